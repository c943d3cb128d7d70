// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace orvex::sim {

// Turns SIGTERM and SIGINT into a Qt signal on the thread that installed it.
// The handler only writes the signal number into a socket pair (all it may
// safely do); a socket notifier reads it back in the event loop.
class TerminationSignals : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // Installs the handlers; false (with *error) when the pipe or a handler
    // cannot be set up. One instance per process.
    bool install(QString *error);

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    void readSignal();
    static void handleSignal(int signalNumber);

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace orvex::sim
