// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include "platform/UserDataFolder.h"
#include "platform/WexLogger.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace orvex {

namespace {

QString busName()
{
    return QLatin1String(ApplicationIdentifier);
}

} // namespace

SingleInstance::SingleInstance(QObject *parent) : QObject(parent) {}

SingleInstance::~SingleInstance()
{
    if (m_published)
        QDBusConnection::sessionBus().unregisterObject(QLatin1String(ObjectPath));
}

SingleInstance::Claim SingleInstance::claim()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()) {
        ORVEX_WARNING(QStringLiteral("no session bus: cannot tell whether Orvex runs already"));
        return Claim::NoBus;
    }
    // The object goes first, so a start that sees the name can always raise.
    m_published =
        bus.registerObject(QLatin1String(ObjectPath), this, QDBusConnection::ExportScriptableSlots);
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(busName(), QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (!reply.isValid()) {
        ORVEX_WARNING(QStringLiteral("cannot ask for the bus name %1: %2")
                          .arg(busName(), reply.error().message()));
        return Claim::NoBus;
    }
    if (reply.value() == QDBusConnectionInterface::ServiceRegistered)
        return Claim::Owned;
    bus.unregisterObject(QLatin1String(ObjectPath));
    m_published = false;
    return Claim::RunsAlready;
}

bool SingleInstance::raiseRunning()
{
    QDBusMessage call = QDBusMessage::createMethodCall(
        busName(), QLatin1String(ObjectPath), QLatin1String(Interface), QStringLiteral("Raise"));
    const QDBusMessage answer =
        QDBusConnection::sessionBus().call(call, QDBus::Block, RaiseTimeoutMs);
    if (answer.type() == QDBusMessage::ErrorMessage) {
        ORVEX_WARNING(QStringLiteral("the running Orvex did not come to the front: %1")
                          .arg(answer.errorMessage()));
        return false;
    }
    return true;
}

void SingleInstance::Raise()
{
    ORVEX_INFO(QStringLiteral("another start asked for the window"));
    if (m_raise)
        m_raise();
}

} // namespace orvex
