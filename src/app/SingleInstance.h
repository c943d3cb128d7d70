// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

namespace orvex {

// One configuration application per login: the running one owns the bus name
// com.kelto.orvexOption (the agent tells by it whether the application runs)
// and answers Raise() on /com/kelto/orvexOption, which a second start calls
// before it exits.
//
// Without a session bus the application runs unguarded: nothing can tell
// two of them apart there anyway.
class SingleInstance : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "com.kelto.orvexOption.Application")
public:
    static constexpr char ObjectPath[] = "/com/kelto/orvexOption";
    static constexpr char Interface[] = "com.kelto.orvexOption.Application";
    // How long a second start waits for the first one to answer.
    static constexpr int RaiseTimeoutMs = 500;

    enum class Claim
    {
        Owned,       // this process is the application
        RunsAlready, // another process owns the name
        NoBus,       // no session bus: run unguarded
    };

    explicit SingleInstance(QObject *parent = nullptr);
    ~SingleInstance() override;

    // Publishes Raise() and asks the bus for the name, without queueing.
    Claim claim();
    // Asks the process that owns the name to bring its window to the front;
    // false when it did not answer in time.
    static bool raiseRunning();

    // What Raise() does in this process.
    void setRaiseHandler(std::function<void()> handler) { m_raise = std::move(handler); }

public Q_SLOTS:
    Q_SCRIPTABLE void Raise();

private:
    std::function<void()> m_raise;
    bool m_published = false;
};

} // namespace orvex
