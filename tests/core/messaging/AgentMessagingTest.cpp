// SPDX-License-Identifier: GPL-3.0-or-later
#include "messaging/AgentMessaging.h"
#include "messaging/DistributedNotifications.h"
#include "messaging/InProcessNotifier.h"
#include "messaging/NotificationNames.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

using namespace orvex;

namespace {

struct Received
{
    QString name;
    QString object;
    QVariantMap userInfo;
};

// Collects the system-wide notifications this process receives over the
// session bus (tests run inside a private one).
class AgentMessagingTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!QDBusConnection::sessionBus().isConnected())
            GTEST_SKIP() << "no session bus";
        auto *notifications = DistributedNotifications::shared();
        ASSERT_TRUE(notifications->observe(QLatin1String(notify::SettingChange)));
        ASSERT_TRUE(notifications->observe(QLatin1String(notify::DevStatus)));
        // Other test programs share the bus; keep only what this one posted.
        const QString self = QDBusConnection::sessionBus().baseService();
        connection =
            QObject::connect(notifications, &DistributedNotifications::received,
                             [this, self](const QString &name, const QString &object,
                                          const QVariantMap &userInfo, const QString &sender) {
                                 if (sender == self)
                                     received.append({name, object, userInfo});
                             });
    }
    void TearDown() override { QObject::disconnect(connection); }

    // Waits until `count` notifications arrived, or five seconds passed: the
    // bus is shared with the other test programs running at the same time.
    void waitFor(qsizetype count)
    {
        QDeadlineTimer deadline(5000);
        while (received.size() < count && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }

    // Signals are found by what they carry, not by their order: on a busy bus
    // the first signal after subscribing has been seen to arrive after the
    // ones sent behind it.
    const Received *findObject(const QString &object) const
    {
        for (const Received &one : received) {
            if (one.object == object)
                return &one;
        }
        return nullptr;
    }
    const Received *findType(int type) const
    {
        for (const Received &one : received) {
            if (AgentMessaging::intValue(one.userInfo, QStringLiteral("type")) == type)
                return &one;
        }
        return nullptr;
    }

    static void sendRaw(const QString &member, const QVariantList &arguments)
    {
        QDBusMessage signal = QDBusMessage::createSignal(
            QLatin1String(notify::BusPath), QLatin1String(notify::BusInterface), member);
        signal.setArguments(arguments);
        QDBusConnection::sessionBus().send(signal);
    }

    QList<Received> received;
    QMetaObject::Connection connection;
};

} // namespace

TEST_F(AgentMessagingTest, SettingChangesCarryTheCodeAndNumberedValues)
{
    AgentMessaging::sendDPiChangeToDaemon(2, 16, 16);
    AgentMessaging::sendMessageToDaemon(notify::ReloadProfiles);
    AgentMessaging::sendMessageToDaemon(notify::OsdSwitch, {true});
    waitFor(3);
    ASSERT_EQ(received.size(), 3);
    const Received *dpi = findObject(QStringLiteral("111"));
    const Received *reload = findObject(QStringLiteral("101"));
    const Received *osd = findObject(QStringLiteral("110"));
    ASSERT_TRUE(dpi && reload && osd);
    EXPECT_EQ(dpi->name, QLatin1String("OrvexSettingChange"));
    const QVariantMap expected{{QStringLiteral("value1"), 3},
                               {QStringLiteral("value2"), 2},
                               {QStringLiteral("value3"), 16},
                               {QStringLiteral("value4"), 16}};
    EXPECT_EQ(dpi->userInfo, expected);
    EXPECT_TRUE(reload->userInfo.isEmpty());
    EXPECT_EQ(osd->userInfo.value(QStringLiteral("value1")).metaType().id(), QMetaType::Bool);
}

TEST_F(AgentMessagingTest, DeviceStatusCarriesTypeAndValues)
{
    AgentMessaging::sendDevStatus(notify::StatusProfile, 3);
    AgentMessaging::sendDevStatus(notify::StatusDpi, QList<int>{1, 16, 16});
    AgentMessaging::sendDevStatus(notify::StatusUnplugged);
    waitFor(3);
    ASSERT_EQ(received.size(), 3);
    const Received *profile = findType(1);
    const Received *dpi = findType(2);
    const Received *unplugged = findType(100);
    ASSERT_TRUE(profile && dpi && unplugged);
    EXPECT_EQ(AgentMessaging::intValue(profile->userInfo, QStringLiteral("value")), 3);
    EXPECT_EQ(AgentMessaging::intValue(dpi->userInfo, QStringLiteral("value1")), 1);
    EXPECT_EQ(AgentMessaging::intValue(dpi->userInfo, QStringLiteral("value3")), 16);
    EXPECT_EQ(AgentMessaging::intValue(unplugged->userInfo, QStringLiteral("value")), 0);
}

TEST_F(AgentMessagingTest, MalformedSignalsAreDroppedOrSanitised)
{
    const QString member = QLatin1String(notify::SettingChange);
    sendRaw(member, {42, QVariant::fromValue(QVariantMap())}); // object not a string
    sendRaw(member, {QStringLiteral("101")});                  // no userInfo
    sendRaw(member, {QString(100000, QLatin1Char('9')), QVariant::fromValue(QVariantMap())});
    QVariantMap hostile{{QStringLiteral("value1"), QStringLiteral("not a number")},
                        {QStringLiteral("value2"), 7},
                        {QStringLiteral("value3"), QVariant::fromValue(QByteArray(1 << 20, 'x'))}};
    sendRaw(member, {QStringLiteral("111"), QVariant::fromValue(hostile)});
    waitFor(1);
    ASSERT_EQ(received.size(), 1);
    EXPECT_EQ(received[0].object, QLatin1String("111"));
    EXPECT_EQ(received[0].userInfo, (QVariantMap{{QStringLiteral("value2"), 7}}));
    EXPECT_EQ(AgentMessaging::intValue(received[0].userInfo, QStringLiteral("value1")), 0);
}

TEST(InProcessNotifier, HideLoadAndCloseWindowPostTheirPayloads)
{
    QList<std::tuple<QString, QVariant, QVariantMap>> posted;
    auto connection = QObject::connect(
        InProcessNotifier::shared(), &InProcessNotifier::notified,
        [&](const QString &name, const QVariant &object, const QVariantMap &userInfo) {
            posted.append({name, object, userInfo});
        });
    AgentMessaging::sendHideLoadView(1);
    AgentMessaging::sendFinishWinMsg(2);
    AgentMessaging::sendFinishWinMsg(3, QStringLiteral("x"));
    QObject::disconnect(connection);
    ASSERT_EQ(posted.size(), 3);
    EXPECT_EQ(std::get<0>(posted[0]), QLatin1String("Notify_HideLoad_Event"));
    EXPECT_EQ(std::get<1>(posted[0]).toInt(), 1);
    EXPECT_EQ(std::get<2>(posted[1]), (QVariantMap{{QStringLiteral("type"), 2}}));
    EXPECT_EQ(std::get<2>(posted[2]).value(QStringLiteral("value")).toString(), QLatin1String("x"));
}
