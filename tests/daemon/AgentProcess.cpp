// SPDX-License-Identifier: GPL-3.0-or-later
#include "AgentProcess.h"

#include "TestEnvironment.h"
#include "VirtualMouseProcess.h"

namespace orvex::test {

namespace {
constexpr int StartTimeoutMs = 15000;
constexpr int StopTimeoutMs = 10000;
const QStringList ActionPrefixes = {QStringLiteral("OSD "), QStringLiteral("LAUNCH "),
                                    QStringLiteral("STATUS ")};
} // namespace

AgentProcess::AgentProcess()
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.setStandardOutputFile(QProcess::nullDevice());
}

AgentProcess::~AgentProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(StopTimeoutMs))
            m_process.kill();
        m_process.waitForFinished(StopTimeoutMs);
    }
}

void AgentProcess::launch(const QString &busAddress, const QString &socketPath)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), busAddress);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Info lines say when the agent hears the virtual mouse.
    environment.insert(QStringLiteral("ORVEX_LOG_LEVEL"), QStringLiteral("info"));
    environment.remove(QStringLiteral("ORVEX_DEVICE"));
    for (auto it = m_variables.cbegin(); it != m_variables.cend(); ++it)
        environment.insert(it.key(), it.value());
    m_process.setProcessEnvironment(environment);
    m_process.start(QStringLiteral(DAEMON_PATH),
                    {QStringLiteral("--device"),
                     m_selector.isEmpty() ? QStringLiteral("sim:") + socketPath : m_selector});
}

QString AgentProcess::mappedFiles() const
{
    return QString::fromLocal8Bit(readFile(QStringLiteral("/proc/%1/maps").arg(processId())));
}

bool AgentProcess::start(const QString &busAddress, const QString &socketPath)
{
    launch(busAddress, socketPath);
    if (!m_process.waitForStarted(StartTimeoutMs))
        return false;
    return waitUntil(
        [this] {
            for (const QString &line : lines()) {
                if (line.contains(m_deviceName) && line.contains(QLatin1String("plugged in")))
                    return true;
            }
            return false;
        },
        StartTimeoutMs);
}

bool AgentProcess::waitForExit(int *exitCode)
{
    if (!m_process.waitForFinished(StopTimeoutMs))
        return false;
    collect();
    *exitCode = m_process.exitStatus() == QProcess::NormalExit ? m_process.exitCode() : -1;
    return true;
}

void AgentProcess::collect()
{
    m_partial += m_process.readAllStandardError();
    qsizetype end;
    while ((end = m_partial.indexOf('\n')) >= 0) {
        m_lines << QString::fromUtf8(m_partial.left(end));
        m_partial.remove(0, end + 1);
    }
}

QStringList AgentProcess::lines()
{
    collect();
    return m_lines;
}

QStringList AgentProcess::actions()
{
    QStringList actions;
    for (const QString &line : lines()) {
        for (const QString &prefix : ActionPrefixes) {
            if (line.startsWith(prefix))
                actions << line;
        }
    }
    return actions;
}

QStringList AgentProcess::actionsStartingWith(const QString &prefix)
{
    QStringList matching;
    for (const QString &line : actions()) {
        if (line.startsWith(prefix))
            matching << line;
    }
    return matching;
}

bool AgentProcess::waitForLine(const QString &line, int timeoutMs)
{
    return waitUntil([this, &line] { return lines().contains(line); }, timeoutMs);
}

} // namespace orvex::test
