// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeLogind.h"

#include "LogindSession.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include <atomic>

namespace orvex::test {

namespace {
constexpr char PropertiesInterface[] = "org.freedesktop.DBus.Properties";
} // namespace

FakeLogind::FakeLogind()
{
    static std::atomic<int> counter{0};
    m_connectionName = QStringLiteral("orvex-test-logind-%1").arg(counter++);
}

FakeLogind::~FakeLogind()
{
    QDBusConnection bus(m_connectionName);
    bus.unregisterObject(QLatin1String(LogindSession::ManagerPath),
                         QDBusConnection::UnregisterTree);
    QDBusConnection::disconnectFromBus(m_connectionName);
    m_thread.quit();
    m_thread.wait();
}

bool FakeLogind::start(const QString &address)
{
    QDBusConnection bus = QDBusConnection::connectToBus(address, m_connectionName);
    // Registered first: the bus gives the object helpers of its own thread.
    if (!bus.isConnected() || !bus.registerVirtualObject(QLatin1String(LogindSession::ManagerPath),
                                                         this, QDBusConnection::SubPath))
        return false;
    m_thread.start();
    moveToThread(&m_thread);
    return bus.registerService(QLatin1String(LogindSession::Service));
}

void FakeLogind::setActive(bool active)
{
    m_active = active;
    QDBusMessage signal =
        QDBusMessage::createSignal(QLatin1String(SessionPath), QLatin1String(PropertiesInterface),
                                   QStringLiteral("PropertiesChanged"));
    signal << QLatin1String(LogindSession::SessionInterface)
           << QVariantMap{{QLatin1String(LogindSession::ActiveProperty), active}} << QStringList();
    QDBusConnection(m_connectionName).send(signal);
}

QString FakeLogind::introspect(const QString &) const
{
    return {};
}

bool FakeLogind::handleMessage(const QDBusMessage &message, const QDBusConnection &connection)
{
    return connection.send(answer(message));
}

QDBusMessage FakeLogind::answer(const QDBusMessage &message) const
{
    const QString member = message.member();
    const QList<QVariant> arguments = message.arguments();
    if (message.path() == QLatin1String(LogindSession::ManagerPath) &&
        member == QLatin1String("GetSession")) {
        const QString id = arguments.value(0).toString();
        if (id == QLatin1String(SessionId) || id == QLatin1String("auto"))
            return message.createReply(
                QVariant::fromValue(QDBusObjectPath(QLatin1String(SessionPath))));
        return message.createErrorReply(QStringLiteral("org.freedesktop.login1.NoSuchSession"),
                                        QStringLiteral("No session '%1' known").arg(id));
    }
    if (message.path() == QLatin1String(LogindSession::ManagerPath) &&
        member == QLatin1String("GetSessionByPID"))
        return message.createErrorReply(QStringLiteral("org.freedesktop.login1.NoSessionForPID"),
                                        QStringLiteral("PID does not belong to any known session"));
    if (message.path() == QLatin1String(SessionPath) && member == QLatin1String("Get") &&
        arguments == QList<QVariant>{QLatin1String(LogindSession::SessionInterface),
                                     QLatin1String(LogindSession::ActiveProperty)})
        return message.createReply(QVariant::fromValue(QDBusVariant(m_active.load())));
    return message.createErrorReply(QDBusError::UnknownMethod, member);
}

} // namespace orvex::test
