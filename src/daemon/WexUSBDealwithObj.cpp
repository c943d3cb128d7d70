// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexUSBDealwithObj.h"

#include "AgentEventLog.h"

#include "messaging/AgentMessaging.h"

namespace orvex {

void WexUSBDealwithObj::sendDevStatus(int type, int value)
{
    const QString name = notifyDevStatusStr();
    if (name.isEmpty())
        return;
    AgentMessaging::sendDevStatus(type, value, name);
    AgentEventLog::status(type, {value});
}

void WexUSBDealwithObj::sendDevStatus(int type, const QList<int> &values)
{
    const QString name = notifyDevStatusStr();
    if (name.isEmpty())
        return;
    AgentMessaging::sendDevStatus(type, values, name);
    AgentEventLog::status(type, values);
}

void WexUSBDealwithObj::sendDevStatus(int type)
{
    const QString name = notifyDevStatusStr();
    if (name.isEmpty())
        return;
    AgentMessaging::sendDevStatus(type, name);
    AgentEventLog::status(type);
}

} // namespace orvex
