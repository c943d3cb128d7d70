// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusVirtualObject>
#include <QThread>

#include <atomic>

namespace orvex::test {

// A stand-in for logind on a test's bus: org.freedesktop.login1 with one
// session whose Active property the test sets, announced by
// PropertiesChanged as logind does. It answers GetSession for its own id and
// for "auto", and knows no process (GetSessionByPID fails), as for an agent
// the systemd user manager started.
//
// It serves from a thread of its own, so code under test may call it
// blocking from the test's main thread.
class FakeLogind : public QDBusVirtualObject
{
public:
    static constexpr char SessionId[] = "7";
    static constexpr char SessionPath[] = "/org/freedesktop/login1/session/_37";

    FakeLogind();
    ~FakeLogind() override;
    FakeLogind(const FakeLogind &) = delete;
    FakeLogind &operator=(const FakeLogind &) = delete;

    // Connects to the bus at `address` and takes logind's name.
    bool start(const QString &address);
    void setActive(bool active);

    QString introspect(const QString &path) const override;
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;

private:
    QDBusMessage answer(const QDBusMessage &message) const;

    QThread m_thread;
    QString m_connectionName;
    std::atomic<bool> m_active{true};
};

} // namespace orvex::test
