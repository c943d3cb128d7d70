// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

class QDBusMessage;

namespace orvex {

// Whether the agent's login session is the one in front of its seat, as
// logind (org.freedesktop.login1 on the system bus) tells. After a switch to
// another user, every user's agent still hears the mouse; only the agent of
// the session in front may act on it.
//
// The session is found by XDG_SESSION_ID, else by the agent's own process,
// else as logind's "auto" session: an agent started by the systemd user
// manager belongs to no session, and follows the user's graphical one.
// The session's `Active` property is read once and then followed through
// PropertiesChanged on the session object alone, so other sessions' changes
// wake nobody.
class LogindSession : public QObject
{
    Q_OBJECT
public:
    static constexpr char Service[] = "org.freedesktop.login1";
    static constexpr char ManagerPath[] = "/org/freedesktop/login1";
    static constexpr char ManagerInterface[] = "org.freedesktop.login1.Manager";
    static constexpr char SessionInterface[] = "org.freedesktop.login1.Session";
    static constexpr char ActiveProperty[] = "Active";
    // How long a call to logind may take before the agent goes on without it.
    static constexpr int CallTimeoutMs = 2000;

    explicit LogindSession(QDBusConnection systemBus, QObject *parent = nullptr);

    // Finds the session and reads its state; answers whether it is followed.
    // Without a system bus, without logind or outside any session it is not
    // (logged once, at info level) and the session counts as active.
    bool start();
    bool isActive() const { return m_active; }
    // The session's object path; empty while not followed.
    QString path() const { return m_path; }

Q_SIGNALS:
    void activeChanged(bool active);

private Q_SLOTS:
    void propertiesChanged(const QDBusMessage &message);

private:
    QString findSession(QString *failure) const;
    QDBusMessage callManager(const QString &method, const QVariant &argument) const;
    bool readActive(bool *active) const;
    void setActive(bool active);

    QDBusConnection m_bus;
    QString m_path;
    bool m_active = true;
};

} // namespace orvex
