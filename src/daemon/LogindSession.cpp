// SPDX-License-Identifier: GPL-3.0-or-later
#include "LogindSession.h"

#include "platform/WexLogger.h"

#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

#include <vector>

namespace orvex {

namespace {

constexpr char PropertiesInterface[] = "org.freedesktop.DBus.Properties";
constexpr char PropertiesChangedSignal[] = "PropertiesChanged";
constexpr char PropertiesChangedSignature[] = "sa{sv}as";
// logind's own errors (no such session, no session for a process) mean it
// answered; any other error means asking it again is pointless.
constexpr char LogindErrorPrefix[] = "org.freedesktop.login1.";
// logind's name for the caller's session, or, for a caller in none, its
// user's graphical session.
constexpr char AutoSession[] = "auto";

QString lostState(const QString &why)
{
    return QStringLiteral("%1: the mouse is read whatever the state of the login session").arg(why);
}

} // namespace

LogindSession::LogindSession(QDBusConnection systemBus, QObject *parent)
    : QObject(parent), m_bus(std::move(systemBus))
{
}

bool LogindSession::start()
{
    if (!m_bus.isConnected()) {
        ORVEX_INFO(lostState(QStringLiteral("no system bus")));
        return false;
    }
    QString failure;
    const QString path = findSession(&failure);
    if (path.isEmpty()) {
        ORVEX_INFO(lostState(QStringLiteral("no login session from logind (%1)").arg(failure)));
        return false;
    }
    // Followed before it is read, so that a change in between is not missed.
    m_path = path;
    if (!m_bus.connect(QLatin1String(Service), path, QLatin1String(PropertiesInterface),
                       QLatin1String(PropertiesChangedSignal), {QLatin1String(SessionInterface)},
                       QString(), this, SLOT(propertiesChanged(QDBusMessage)))) {
        ORVEX_INFO(lostState(QStringLiteral("cannot follow login session %1").arg(path)));
        m_path.clear();
        return false;
    }
    if (!readActive(&m_active)) {
        ORVEX_INFO(lostState(QStringLiteral("cannot read login session %1").arg(path)));
        m_bus.disconnect(QLatin1String(Service), path, QLatin1String(PropertiesInterface),
                         QLatin1String(PropertiesChangedSignal), {QLatin1String(SessionInterface)},
                         QString(), this, SLOT(propertiesChanged(QDBusMessage)));
        m_path.clear();
        return false;
    }
    ORVEX_DEBUG(QStringLiteral("following login session %1, %2")
                    .arg(path, m_active ? QStringLiteral("active") : QStringLiteral("inactive")));
    return true;
}

QString LogindSession::findSession(QString *failure) const
{
    struct Query
    {
        QString method;
        QVariant argument;
    };
    std::vector<Query> queries;
    const QString id = qEnvironmentVariable("XDG_SESSION_ID");
    if (!id.isEmpty())
        queries.push_back({QStringLiteral("GetSession"), id});
    queries.push_back({QStringLiteral("GetSessionByPID"),
                       QVariant::fromValue(quint32(QCoreApplication::applicationPid()))});
    queries.push_back({QStringLiteral("GetSession"), QLatin1String(AutoSession)});

    for (const Query &query : queries) {
        const QDBusMessage reply = callManager(query.method, query.argument);
        if (reply.type() == QDBusMessage::ReplyMessage && reply.signature() == QLatin1String("o"))
            return qdbus_cast<QDBusObjectPath>(reply.arguments().constFirst()).path();
        *failure = reply.errorMessage().isEmpty() ? reply.errorName() : reply.errorMessage();
        if (!reply.errorName().startsWith(QLatin1String(LogindErrorPrefix)))
            break;
    }
    return {};
}

QDBusMessage LogindSession::callManager(const QString &method, const QVariant &argument) const
{
    QDBusMessage call =
        QDBusMessage::createMethodCall(QLatin1String(Service), QLatin1String(ManagerPath),
                                       QLatin1String(ManagerInterface), method);
    call << argument;
    return m_bus.call(call, QDBus::Block, CallTimeoutMs);
}

bool LogindSession::readActive(bool *active) const
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        QLatin1String(Service), m_path, QLatin1String(PropertiesInterface), QStringLiteral("Get"));
    call << QLatin1String(SessionInterface) << QLatin1String(ActiveProperty);
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, CallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 1)
        return false;
    const QVariant value = qdbus_cast<QDBusVariant>(reply.arguments().constFirst()).variant();
    if (value.metaType().id() != QMetaType::Bool)
        return false;
    *active = value.toBool();
    return true;
}

// logind sends the new value; a sender that only names the property as
// changed is asked for it.
void LogindSession::propertiesChanged(const QDBusMessage &message)
{
    const QList<QVariant> arguments = message.arguments();
    if (message.signature() != QLatin1String(PropertiesChangedSignature) ||
        arguments.at(0).toString() != QLatin1String(SessionInterface))
        return;
    const QVariantMap changed = qdbus_cast<QVariantMap>(arguments.at(1));
    const QVariant value = changed.value(QLatin1String(ActiveProperty));
    if (value.metaType().id() == QMetaType::Bool) {
        setActive(value.toBool());
        return;
    }
    bool active = m_active;
    if (qdbus_cast<QStringList>(arguments.at(2)).contains(QLatin1String(ActiveProperty)) &&
        readActive(&active))
        setActive(active);
}

void LogindSession::setActive(bool active)
{
    if (active == m_active)
        return;
    m_active = active;
    ORVEX_DEBUG(QStringLiteral("login session %1 is %2")
                    .arg(m_path, active ? QStringLiteral("active") : QStringLiteral("inactive")));
    Q_EMIT activeChanged(active);
}

} // namespace orvex
