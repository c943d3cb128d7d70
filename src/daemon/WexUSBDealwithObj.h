// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Transport.h"

#include <QList>
#include <QObject>
#include <QString>

namespace orvex {

// The listener's event handler: the listener calls these hooks on the main
// thread, and the handler posts the device's status through them.
//
// On arrival the listener calls andDevPro() and then posts status 101; on
// removal removeDevPro() and then status 100. Both are posted under the name
// notifyDevStatusStr() answers, and not at all when it answers an empty name.
class WexUSBDealwithObj : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Whether the listener opens the command channel when the mouse arrives.
    virtual bool openDeviceWhenAdd() { return true; }
    // The system-wide notification the device's status is posted under.
    virtual QString notifyDevStatusStr() { return {}; }
    // A per-device option file; none by default.
    virtual QString deviceOptionPath() { return {}; }
    virtual void andDevPro() {}
    virtual void removeDevPro() {}
    // The listener's set-up is done and isOnDev() tells whether the mouse is there.
    virtual void didEndInit() {}
    // One input report of the mouse.
    virtual void dealWithMsg(const Report &report) { Q_UNUSED(report); }

    bool isOnDev() const { return m_onDev; }

    // AgentMessaging::sendDevStatus under notifyDevStatusStr(), and the
    // agent's STATUS line; nothing when the name is empty.
    void sendDevStatus(int type, int value);
    void sendDevStatus(int type, const QList<int> &values);
    void sendDevStatus(int type);

private:
    friend class WexUSBListen;
    void setOnDev(bool onDev) { m_onDev = onDev; }

    bool m_onDev = false;
};

} // namespace orvex
