// SPDX-License-Identifier: GPL-3.0-or-later
#include "DevStatusSpy.h"

#include "messaging/NotificationNames.h"

#include <QDBusMetaType>

namespace orvex::test {

DevStatusSpy::DevStatusSpy(QDBusConnection connection)
{
    connection.connect(QString(), QLatin1String(notify::BusPath),
                       QLatin1String(notify::BusInterface), QLatin1String(notify::DevStatus), this,
                       SLOT(received(QDBusMessage)));
}

void DevStatusSpy::received(const QDBusMessage &message)
{
    statuses << qdbus_cast<QVariantMap>(message.arguments().value(1));
}

} // namespace orvex::test
