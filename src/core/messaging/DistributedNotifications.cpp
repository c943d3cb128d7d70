// SPDX-License-Identifier: GPL-3.0-or-later
#include "messaging/DistributedNotifications.h"

#include "messaging/NotificationNames.h"
#include "platform/WexLogger.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QDBusVariant>

namespace orvex {

namespace {

// Codes are short decimal numbers; anything longer is not ours.
constexpr qsizetype MaxObjectLength = 64;
constexpr qsizetype MaxUserInfoEntries = 16;
constexpr char Signature[] = "sa{sv}";

bool isAcceptedValue(const QVariant &value)
{
    const int type = value.metaType().id();
    return type == QMetaType::Int || type == QMetaType::Bool;
}

} // namespace

DistributedNotifications *DistributedNotifications::shared()
{
    static auto *notifications = new DistributedNotifications;
    return notifications;
}

bool DistributedNotifications::post(const QString &name, const QString &object,
                                    const QVariantMap &userInfo)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        ORVEX_DEBUG(QStringLiteral("no session bus; %1 %2 is lost").arg(name, object));
        return false;
    }
    QDBusMessage signal = QDBusMessage::createSignal(QLatin1String(notify::BusPath),
                                                     QLatin1String(notify::BusInterface), name);
    signal << object << QVariant::fromValue(userInfo);
    return bus.send(signal);
}

void DistributedNotifications::flush()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // The bus answers messages of one connection in order: once it has
    // answered a ping, every signal sent before it has reached the bus.
    bus.call(QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping")));
}

bool DistributedNotifications::observe(const QString &name)
{
    if (m_observed.contains(name))
        return true;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        ORVEX_WARNING(QStringLiteral("no session bus; %1 will not be received").arg(name));
        return false;
    }
    const bool connected =
        bus.connect(QString(), QLatin1String(notify::BusPath), QLatin1String(notify::BusInterface),
                    name, this, SLOT(deliver(QDBusMessage)));
    if (connected)
        m_observed.insert(name);
    return connected;
}

bool DistributedNotifications::accept(const QDBusMessage &message, QString *object,
                                      QVariantMap *userInfo)
{
    if (message.type() != QDBusMessage::SignalMessage ||
        message.signature() != QLatin1String(Signature))
        return false;
    const QList<QVariant> arguments = message.arguments();
    *object = arguments.at(0).toString();
    if (object->size() > MaxObjectLength)
        return false;
    const QVariantMap received = qdbus_cast<QVariantMap>(arguments.at(1));
    if (received.size() > MaxUserInfoEntries)
        return false;
    userInfo->clear();
    for (auto it = received.cbegin(); it != received.cend(); ++it) {
        if (isAcceptedValue(it.value()))
            userInfo->insert(it.key(), it.value());
    }
    return true;
}

void DistributedNotifications::deliver(const QDBusMessage &message)
{
    QString object;
    QVariantMap userInfo;
    if (!accept(message, &object, &userInfo)) {
        ORVEX_DEBUG(QStringLiteral("dropped a malformed %1 signal").arg(message.member()));
        return;
    }
    Q_EMIT received(message.member(), object, userInfo, message.service());
}

} // namespace orvex
