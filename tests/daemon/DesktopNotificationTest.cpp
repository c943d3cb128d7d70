// SPDX-License-Identifier: GPL-3.0-or-later
// The display's stand-in where windows cannot be placed: a desktop
// notification through a notification service on the session bus.
#include "VirtualMouseProcess.h"

#include "DesktopNotification.h"

#include <QDBusConnection>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

#include <gtest/gtest.h>

namespace orvex::test {
namespace {

constexpr char ServiceName[] = "org.freedesktop.Notifications";
constexpr uint FirstId = 7;
constexpr int ReplyWaitMs = 300;

// A notification service that records what it is asked to show.
class FakeNotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call
    {
        uint replacesId;
        QString summary;
        int expireMs;
    };
    QList<Call> calls;

public Q_SLOTS:
    uint Notify(const QString &, uint replacesId, const QString &, const QString &summary,
                const QString &, const QStringList &, const QVariantMap &, int expireMs)
    {
        calls.append({replacesId, summary, expireMs});
        return replacesId != 0 ? replacesId : FirstId;
    }
};

TEST(DesktopNotificationTest, EachChangeReplacesTheLastNotificationAndExpiresWithTheDisplay)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no session bus";
    QDBusConnection service =
        QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("notifications"));
    FakeNotificationService fake;
    ASSERT_TRUE(service.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &fake,
                                       QDBusConnection::ExportAllSlots));
    if (!service.registerService(QLatin1String(ServiceName)))
        GTEST_SKIP() << "a notification service already runs on this bus";

    DesktopNotification notification;
    notification.show(QStringLiteral("Profile 4"));
    ASSERT_TRUE(waitUntil([&] { return fake.calls.size() == 1; }));
    waitUntil([] { return false; }, ReplyWaitMs); // the service's answer carries the id
    notification.show(QString());                 // an empty picture has no words to show
    notification.show(QStringLiteral("DPI stage 2: 800"));
    ASSERT_TRUE(waitUntil([&] { return fake.calls.size() == 2; }));

    EXPECT_EQ(fake.calls[0].replacesId, 0u);
    EXPECT_EQ(fake.calls[0].summary, QStringLiteral("Profile 4"));
    EXPECT_EQ(fake.calls[0].expireMs, DesktopNotification::ExpireMs);
    EXPECT_EQ(fake.calls[1].replacesId, FirstId);
    EXPECT_EQ(fake.calls[1].summary, QStringLiteral("DPI stage 2: 800"));

    service.unregisterService(QLatin1String(ServiceName));
    QDBusConnection::disconnectFromBus(QStringLiteral("notifications"));
}

} // namespace
} // namespace orvex::test

#include "DesktopNotificationTest.moc"
