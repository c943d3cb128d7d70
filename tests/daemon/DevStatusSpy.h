// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QList>
#include <QObject>
#include <QVariantMap>

namespace orvex::test {

// Collects the agent's "OrvexDevStatus" signals on `connection` as their
// userInfo maps, in the order they arrived.
class DevStatusSpy : public QObject
{
    Q_OBJECT
public:
    explicit DevStatusSpy(QDBusConnection connection);
    QList<QVariantMap> statuses;

public Q_SLOTS:
    void received(const QDBusMessage &message);
};

} // namespace orvex::test
