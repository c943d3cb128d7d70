// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

#include <sys/types.h>

namespace orvex::test {

// The built orvex-virtual-mouse serving in a folder of its own: socket,
// memory file and trace file live there. Every test program that runs the
// virtual mouse as a program starts it through this class.
class VirtualMouseProcess
{
public:
    explicit VirtualMouseProcess(const QString &folder);
    ~VirtualMouseProcess();

    // Starts `serve` and waits until the socket accepts connections.
    bool start();
    // Sends `signalNumber` and waits for the end; true for a clean exit 0.
    // False, with no signal sent, when it is not running.
    bool stop(int signalNumber);
    // Ends it without giving it a chance to save anything.
    void kill();

    // Runs `orvex-virtual-mouse send --socket <socket> words...`.
    int send(const QStringList &words, QString *errorOutput = nullptr) const;
    // Runs orvex-virtual-mouse with `arguments` to its end; answers the exit
    // status (-1 for a crash).
    int run(const QStringList &arguments, QString *errorOutput = nullptr) const;
    // Later runs (serve and the ones above) are made as user `uid`; needs root.
    void runAs(uid_t uid) { m_uid = uid; }
    // The trace as written so far, one entry per line.
    QStringList traceLines() const;
    // The requests (SET lines) in the trace so far.
    int requestCount() const;
    // Waits until the trace holds `count` requests, so that a test can act
    // at a given point of a transfer another process makes.
    bool waitForRequests(int count, int timeoutMs);

    QString socketPath;
    QString memoryPath;
    QString tracePath;
    // More options of `serve`, such as --uhid.
    QStringList serveOptions;

private:
    void dropPrivileges(QProcess &process) const;

    QProcess m_process;
    std::optional<uid_t> m_uid;
};

// Runs the event loop until `condition` holds or `timeoutMs` has passed.
bool waitUntil(const std::function<bool()> &condition, int timeoutMs = 5000);

} // namespace orvex::test
