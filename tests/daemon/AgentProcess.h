// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace orvex::test {

// The built OrvexDaemon on a given session bus, listening to the virtual
// mouse at a given socket, with its stderr collected line by line.
class AgentProcess
{
public:
    AgentProcess();
    ~AgentProcess();
    AgentProcess(const AgentProcess &) = delete;
    AgentProcess &operator=(const AgentProcess &) = delete;

    // A variable the agent is started with, over the test's own environment.
    void setVariable(const QString &name, const QString &value) { m_variables[name] = value; }
    // The agent's device selector instead of the virtual mouse's socket (such
    // as "hid"), and the start of the name it gives that mouse in its logs.
    void useDevice(const QString &selector, const QString &name)
    {
        m_selector = selector;
        m_deviceName = name;
    }

    // Starts the agent and waits until it hears the virtual mouse.
    bool start(const QString &busAddress, const QString &socketPath);
    // Starts it without waiting (for an agent expected to leave).
    void launch(const QString &busAddress, const QString &socketPath);
    bool waitForExit(int *exitCode);

    // Waits until a line equal to `line` has been written; true when it has.
    bool waitForLine(const QString &line, int timeoutMs = 5000);
    // Every stderr line so far, and the lines that report what the agent
    // did (OSD, LAUNCH, STATUS) in order.
    QStringList lines();
    QStringList actions();
    // The event lines starting with `prefix`.
    QStringList actionsStartingWith(const QString &prefix);
    qint64 processId() const { return m_process.processId(); }
    // What the running agent has mapped (its /proc maps), to see which
    // libraries and files it has loaded.
    QString mappedFiles() const;

private:
    void collect();

    QProcess m_process;
    QMap<QString, QString> m_variables;
    QString m_selector;
    QString m_deviceName = QStringLiteral("virtual mouse at");
    QStringList m_lines;
    QByteArray m_partial;
};

} // namespace orvex::test
