// SPDX-License-Identifier: GPL-3.0-or-later
#include "AgentInstance.h"

#include "platform/WexLogger.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace orvex {

bool AgentInstance::claim()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface()) {
        ORVEX_WARNING(QStringLiteral("no session bus: messages to and from the configuration "
                                     "application are lost"));
        return true;
    }
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> reply =
        bus.interface()->registerService(QLatin1String(BusName),
                                         QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered)
        return true;
    if (reply.isValid()) {
        ORVEX_WARNING(QStringLiteral("another agent runs in this session; leaving"));
        return false;
    }
    ORVEX_WARNING(QStringLiteral("cannot claim %1 (%2); running anyway")
                      .arg(QLatin1String(BusName), reply.error().message()));
    return true;
}

} // namespace orvex
