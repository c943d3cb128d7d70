// SPDX-License-Identifier: GPL-3.0-or-later
#include "VirtualMouseProcess.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QThread>

#include <csignal>

#include <grp.h>
#include <unistd.h>

namespace orvex::test {

namespace {
constexpr int StartTimeoutMs = 10000;
constexpr int StopTimeoutMs = 10000;
constexpr int PollIntervalMs = 10;

bool accepts(const QString &socketPath)
{
    QLocalSocket probe;
    probe.connectToServer(socketPath);
    const bool connected = probe.waitForConnected(PollIntervalMs * 10);
    probe.abort();
    return connected;
}
} // namespace

VirtualMouseProcess::VirtualMouseProcess(const QString &folder)
    : socketPath(folder + QStringLiteral("/mouse.sock")),
      memoryPath(folder + QStringLiteral("/memory.bin")),
      tracePath(folder + QStringLiteral("/trace.txt"))
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

VirtualMouseProcess::~VirtualMouseProcess()
{
    if (m_process.state() != QProcess::NotRunning)
        kill();
}

bool VirtualMouseProcess::start()
{
    dropPrivileges(m_process);
    m_process.start(QStringLiteral(VIRTUAL_MOUSE_PATH),
                    QStringList{QStringLiteral("serve"), QStringLiteral("--socket"), socketPath,
                                QStringLiteral("--memory"), memoryPath, QStringLiteral("--trace"),
                                tracePath} +
                        serveOptions);
    if (!m_process.waitForStarted())
        return false;
    const QDeadlineTimer deadline(StartTimeoutMs);
    while (!deadline.hasExpired() && m_process.state() == QProcess::Running) {
        if (accepts(socketPath))
            return true;
        QThread::msleep(PollIntervalMs);
    }
    return false;
}

bool VirtualMouseProcess::stop(int signalNumber)
{
    // A process that is not running has the id 0, which kill() takes as the
    // test's own process group.
    if (m_process.state() != QProcess::Running)
        return false;
    ::kill(pid_t(m_process.processId()), signalNumber);
    return m_process.waitForFinished(StopTimeoutMs) &&
           m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

void VirtualMouseProcess::kill()
{
    m_process.kill();
    m_process.waitForFinished(StopTimeoutMs);
}

int VirtualMouseProcess::send(const QStringList &words, QString *errorOutput) const
{
    return run(QStringList{QStringLiteral("send"), QStringLiteral("--socket"), socketPath} + words,
               errorOutput);
}

int VirtualMouseProcess::run(const QStringList &arguments, QString *errorOutput) const
{
    QProcess process;
    dropPrivileges(process);
    process.start(QStringLiteral(VIRTUAL_MOUSE_PATH), arguments);
    process.waitForFinished(StopTimeoutMs);
    if (errorOutput)
        *errorOutput = QString::fromUtf8(process.readAllStandardError());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// Group first: once the user is dropped, the group can no longer be changed.
void VirtualMouseProcess::dropPrivileges(QProcess &process) const
{
    if (!m_uid)
        return;
    const uid_t uid = *m_uid;
    process.setChildProcessModifier([uid] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(gid_t(uid)) != 0 || ::setuid(uid) != 0)
            ::_exit(127);
    });
}

QStringList VirtualMouseProcess::traceLines() const
{
    QFile file(tracePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromLatin1(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

int VirtualMouseProcess::requestCount() const
{
    QFile file(tracePath);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray trace = file.readAll();
    return int(trace.count(" SET "));
}

// Keeps the caller's events going while it waits: a transfer on a worker
// thread hands its steps to the main thread and would otherwise stall.
bool VirtualMouseProcess::waitForRequests(int count, int timeoutMs)
{
    return waitUntil(
               [&] { return requestCount() >= count || m_process.state() != QProcess::Running; },
               timeoutMs) &&
           requestCount() >= count;
}

bool waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, PollIntervalMs);
        QThread::msleep(1);
    }
    return true;
}

} // namespace orvex::test
