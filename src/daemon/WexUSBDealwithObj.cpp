// SPDX-License-Identifier: GPL-3.0-or-later
#include "WexUSBDealwithObj.h"

#include "AgentEventLog.h"

#include "messaging/AgentMessaging.h"
#include "messaging/DistributedNotifications.h"

namespace orvex {

namespace {
const QString TypeKey = QStringLiteral("type");
const QString ValueKey = QStringLiteral("value");
} // namespace

void WexUSBDealwithObj::sendDevStatus(int type, int value)
{
    post(type, {{ValueKey, value}}, {value});
}

void WexUSBDealwithObj::sendDevStatus(int type, const QList<int> &values)
{
    QVariantList list;
    for (int value : values)
        list << value;
    post(type, AgentMessaging::numberedValues(list), values);
}

void WexUSBDealwithObj::sendDevStatus(int type)
{
    post(type, {}, {});
}

void WexUSBDealwithObj::post(int type, const QVariantMap &values, const QList<int> &logged)
{
    const QString name = notifyDevStatusStr();
    if (name.isEmpty())
        return;
    QVariantMap userInfo = values;
    userInfo.insert(TypeKey, type);
    DistributedNotifications::post(name, QString(), userInfo);
    AgentEventLog::status(type, logged);
}

} // namespace orvex
