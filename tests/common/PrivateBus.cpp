// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrivateBus.h"

#include <atomic>

namespace orvex::test {

namespace {
constexpr int StartTimeoutMs = 10000;
} // namespace

PrivateBus::PrivateBus()
{
    static std::atomic<int> counter{0};
    m_connectionName = QStringLiteral("orvex-test-bus-%1").arg(counter++);
    m_daemon.setProcessChannelMode(QProcess::SeparateChannels);
    m_daemon.setStandardErrorFile(QProcess::nullDevice());
}

PrivateBus::~PrivateBus()
{
    QDBusConnection::disconnectFromBus(m_connectionName);
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.kill();
        m_daemon.waitForFinished(StartTimeoutMs);
    }
}

bool PrivateBus::start()
{
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"),
                    QStringLiteral("--print-address=1")});
    if (!m_daemon.waitForStarted(StartTimeoutMs))
        return false;
    while (!m_daemon.canReadLine()) {
        if (!m_daemon.waitForReadyRead(StartTimeoutMs))
            return false;
    }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    return !m_address.isEmpty() && connection().isConnected();
}

QDBusConnection PrivateBus::connection() const
{
    return QDBusConnection::connectToBus(m_address, m_connectionName);
}

} // namespace orvex::test
