// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopNotification.h"

#include "platform/WexLogger.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QStringList>
#include <QVariantMap>

namespace orvex {

namespace {

constexpr char Service[] = "org.freedesktop.Notifications";
constexpr char Path[] = "/org/freedesktop/Notifications";
constexpr char Interface[] = "org.freedesktop.Notifications";
constexpr char Method[] = "Notify";
constexpr char ApplicationName[] = "Orvex";
constexpr char IconName[] = "input-mouse";
constexpr uchar LowUrgency = 0;

} // namespace

DesktopNotification::DesktopNotification(QObject *parent) : QObject(parent) {}

void DesktopNotification::show(const QString &summary)
{
    if (summary.isEmpty())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call =
        QDBusMessage::createMethodCall(QLatin1String(Service), QLatin1String(Path),
                                       QLatin1String(Interface), QLatin1String(Method));
    // Transient: the server keeps no history of a display that lasts seconds.
    const QVariantMap hints{{QStringLiteral("transient"), true},
                            {QStringLiteral("urgency"), QVariant::fromValue(LowUrgency)}};
    call << QLatin1String(ApplicationName) << m_lastId << QLatin1String(IconName) << summary
         << QString() << QStringList() << hints << ExpireMs;
    auto *watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher *finished) {
                const QDBusPendingReply<uint> reply = *finished;
                if (reply.isError())
                    ORVEX_DEBUG(
                        QStringLiteral("no desktop notification: %1").arg(reply.error().message()));
                else
                    m_lastId = reply.value();
                finished->deleteLater();
            });
}

} // namespace orvex
