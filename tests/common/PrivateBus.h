// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QProcess>
#include <QString>

namespace orvex::test {

// A session bus of the test's own (a dbus-daemon it starts), so that tests
// running side by side never see each other's agents and signals.
class PrivateBus
{
public:
    PrivateBus();
    ~PrivateBus();
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    // Starts the daemon and connects the test to it.
    bool start();
    QString address() const { return m_address; }
    // The test's own connection to the bus.
    QDBusConnection connection() const;

private:
    QProcess m_daemon;
    QString m_address;
    QString m_connectionName;
};

} // namespace orvex::test
