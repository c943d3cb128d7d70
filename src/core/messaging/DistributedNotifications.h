// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusMessage>
#include <QObject>
#include <QSet>
#include <QVariantMap>

namespace orvex {

// System-wide notifications between the suite's programs: D-Bus session-bus
// signals on path /com/kelto/orvex, interface com.kelto.orvex, with the
// arguments (s object, a{sv} userInfo) whose values are int32 or boolean.
//
// Without a session bus the programs still run: posts are lost, as they are
// when no program listens. Signals of the wrong shape are dropped, and so are
// userInfo values of other types, so a peer can never make us act on garbage.
class DistributedNotifications : public QObject
{
    Q_OBJECT
public:
    static DistributedNotifications *shared();

    // Answers whether the signal was handed to the bus.
    static bool post(const QString &name, const QString &object, const QVariantMap &userInfo = {});
    // Waits until the bus has taken every signal posted so far. Signals are
    // queued, so a short-lived program that posts and exits calls this
    // first, or its last posts may never leave it.
    static void flush();
    // Starts delivering the signal `name` through received(); answers false
    // when there is no session bus.
    bool observe(const QString &name);

    // Checks a received signal; answers false for one to be dropped.
    static bool accept(const QDBusMessage &message, QString *object, QVariantMap *userInfo);

Q_SIGNALS:
    // `sender` is the unique bus name of the posting connection.
    void received(const QString &name, const QString &object, const QVariantMap &userInfo,
                  const QString &sender);

private Q_SLOTS:
    void deliver(const QDBusMessage &message);

private:
    DistributedNotifications() = default;
    QSet<QString> m_observed;
};

} // namespace orvex
