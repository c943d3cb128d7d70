// SPDX-License-Identifier: GPL-3.0-or-later
#include "messaging/DeviceWriteNotice.h"

#include "device/DeviceMirror.h"
#include "messaging/AgentMessaging.h"
#include "messaging/DistributedNotifications.h"
#include "messaging/NotificationNames.h"
#include "platform/ProcessState.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QMutex>
#include <QMutexLocker>

#include <atomic>

namespace orvex {

namespace {

const QString DeviceWritten = QLatin1String(notify::DeviceWritten);
const QString DevStatus = QLatin1String(notify::DevStatus);

std::atomic<bool> pending{false};

QMutex watchMutex;
// Guarded by watchMutex.
QMetaObject::Connection watching;
// Our own name on the bus, whose signals are not news to us.
QString ownBusName;

void onDevStatus(const QVariantMap &userInfo)
{
    switch (AgentMessaging::intValue(userInfo, QStringLiteral("type"))) {
    case notify::StatusProfile:
        DeviceMirror::forgetActiveProfile();
        break;
    case notify::StatusDpi:
        DeviceMirror::forgetPerformance();
        break;
    case notify::StatusUnplugged:
        DeviceMirror::forgetAll(QStringLiteral("the mouse was unplugged"));
        break;
    case notify::StatusPlugged:
        DeviceMirror::forgetAll(QStringLiteral("the mouse was plugged in"));
        break;
    default:
        break;
    }
}

void onSignal(const QString &name, const QString &object, const QVariantMap &userInfo,
              const QString &sender)
{
    if (name == DevStatus) {
        onDevStatus(userInfo);
        return;
    }
    if (name != DeviceWritten)
        return;
    {
        QMutexLocker lock(&watchMutex);
        if (sender == ownBusName)
            return;
    }
    DeviceMirror::forgetAll(QStringLiteral("%1 (pid %2) wrote to the mouse")
                                .arg(object)
                                .arg(AgentMessaging::intValue(userInfo, QStringLiteral("pid"))));
}

const bool registeredReset = ProcessState::add("DeviceWriteNotice", &DeviceWriteNotice::resetState);

} // namespace

void DeviceWriteNotice::noteChange()
{
    pending = true;
}

bool DeviceWriteNotice::isPending()
{
    return pending.load();
}

void DeviceWriteNotice::announcePending()
{
    if (!pending.exchange(false))
        return;
    DistributedNotifications::post(
        DeviceWritten, QCoreApplication::applicationName(),
        {{QStringLiteral("pid"), int(QCoreApplication::applicationPid())}});
}

bool DeviceWriteNotice::watch()
{
    QMutexLocker lock(&watchMutex);
    if (watching)
        return true;
    DistributedNotifications *notifications = DistributedNotifications::shared();
    if (!notifications->observe(DeviceWritten) || !notifications->observe(DevStatus))
        return false;
    ownBusName = QDBusConnection::sessionBus().baseService();
    watching = QObject::connect(notifications, &DistributedNotifications::received, notifications,
                                &onSignal);
    return true;
}

bool DeviceWriteNotice::isWatching()
{
    QMutexLocker lock(&watchMutex);
    return bool(watching);
}

void DeviceWriteNotice::resetState()
{
    pending = false;
    QMutexLocker lock(&watchMutex);
    QObject::disconnect(watching);
    watching = {};
    ownBusName.clear();
}

} // namespace orvex
