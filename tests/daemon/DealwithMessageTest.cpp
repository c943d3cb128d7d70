// SPDX-License-Identifier: GPL-3.0-or-later
// The handler in process: report decoding, the messages of the configuration
// application and what they show, relay and launch.
#include "EventLineRecorder.h"

#include "DealwithMessage.h"
#include "OsdWindow.h"
#include "ShowMsgView.h"

#include "messaging/NotificationNames.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <map>

namespace orvex::test {
namespace {

class FakeStore : public AgentStore
{
public:
    explicit FakeStore(bool osd = true) : osd(osd) {}
    ProfileValuePtr getProfileByFWProId(int slot) override
    {
        const auto found = bound.find(slot);
        return found == bound.end() ? nullptr : found->second;
    }
    void refreshProfile() override { ++refreshes; }
    void reSetCurrProfile() override { ++settles; }
    bool daemonGetOsd() override { return osd; }

    std::map<int, ProfileValuePtr> bound;
    int refreshes = 0;
    int settles = 0;
    bool osd;
};

// The handler with the desktop left out: it records what it would open.
class RecordingHandler : public DealwithMessage
{
public:
    using DealwithMessage::DealwithMessage;
    bool checkApLaunch() override { return applicationRuns; }
    void launchAppByPath(const QString &path) override { opened << path; }
    void launchAp() override { ++applicationStarts; }

    bool applicationRuns = false;
    QStringList opened;
    int applicationStarts = 0;
};

Report report(std::initializer_list<int> bytes)
{
    Report result{};
    std::size_t i = 0;
    for (int byte : bytes)
        result[i++] = std::uint8_t(byte);
    return result;
}

ProfileValuePtr profileWithLauncher(int buttonIndex, const QByteArray &path)
{
    auto profile = std::make_shared<ProfileValue>();
    ORVEX_PROFILE data = profile->profileData();
    std::memcpy(data.btnInfo[buttonIndex].app_path, path.constData(),
                std::min<std::size_t>(std::size_t(path.size()), sizeof(BTN_INFO::app_path)));
    profile->setProfileData(data);
    return profile;
}

class DealwithMessageTest : public ::testing::Test
{
protected:
    void SetUp() override { ShowMsgView::setTickInterval(ShowMsgView::DefaultTickMs); }

    RecordingHandler &makeHandler(bool osd = true)
    {
        auto owned = std::make_unique<FakeStore>(osd);
        store = owned.get();
        handler = std::make_unique<RecordingHandler>(std::move(owned));
        return *handler;
    }

    void message(int code, const QVariantList &values = {})
    {
        QVariantMap userInfo;
        for (int i = 0; i < values.size(); ++i)
            userInfo.insert(QStringLiteral("value%1").arg(i + 1), values[i]);
        handler->apReportPro(QLatin1String(notify::SettingChange), QString::number(code), userInfo);
    }

    EventLineRecorder recorder;
    FakeStore *store = nullptr;
    std::unique_ptr<RecordingHandler> handler;
};

TEST_F(DealwithMessageTest, DpiReportShowsTheStageAndRelaysIt)
{
    makeHandler().dealWithMsg(report({0xA4, 0x02, 0x21, 0x10, 0x10}));
    EXPECT_EQ(recorder.lines(),
              (QStringList{QStringLiteral("Daemon Rec a4 2 21 10 10 0 0 0"),
                           QStringLiteral("OSD dpi 1 16 16"), QStringLiteral("STATUS 2 1 16 16")}));
    ASSERT_NE(handler->showMsgFrm(), nullptr);
    EXPECT_TRUE(handler->showMsgFrm()->isVisible());
}

TEST_F(DealwithMessageTest, DpiStageWithoutPictureIsRelayedButLeavesNoWindowOnScreen)
{
    makeHandler().dealWithMsg(report({0xA4, 0x02, 0x27, 0x10, 0x10}));
    EXPECT_EQ(recorder.actions(), QStringList{QStringLiteral("STATUS 2 7 16 16")});
    ASSERT_NE(handler->showMsgFrm(), nullptr);
    EXPECT_FALSE(handler->showMsgFrm()->isVisible());
}

TEST_F(DealwithMessageTest, ProfileReportShowsThePictureOrOnlyRelaysWhileTheApplicationRuns)
{
    RecordingHandler &agent = makeHandler();
    agent.dealWithMsg(report({0xA4, 0x01, 0x30}));
    EXPECT_EQ(recorder.actions(), QStringList{QStringLiteral("OSD P4")});

    recorder.clear();
    agent.applicationRuns = true;
    agent.dealWithMsg(report({0xA4, 0x01, 0x30}));
    EXPECT_EQ(recorder.actions(), QStringList{QStringLiteral("STATUS 1 3")});
}

TEST_F(DealwithMessageTest, ReportsOfOtherKindsEventsOrProfilesDoNothing)
{
    RecordingHandler &agent = makeHandler();
    for (const Report &ignored :
         {report({0xB4, 0x01, 0x10}), report({0xA4, 0x03, 0x10}), report({0xA4, 0x01, 0x50}),
          report({0xA4, 0x01, 0xF0}), report({0x00})})
        agent.dealWithMsg(ignored);
    EXPECT_TRUE(recorder.actions().isEmpty());
    EXPECT_EQ(recorder.lines().size(), 5); // the raw-report line of each
    EXPECT_EQ(agent.showMsgFrm(), nullptr);
    EXPECT_TRUE(agent.opened.isEmpty());
}

TEST_F(DealwithMessageTest, LauncherButtonOpensThePathOfItsSlotInTheBoundProfile)
{
    RecordingHandler &agent = makeHandler();
    // 0x8F on profile 1 is firmware slot 0x8F - 11 - 128 = 4, button index 3 (Left2).
    store->bound[1] = profileWithLauncher(Left2, "/opt/game/run");
    agent.dealWithMsg(report({0xA4, 0x00, 0x10, 0x00, 0x00, 0x8F}));
    EXPECT_EQ(agent.opened, QStringList{QStringLiteral("/opt/game/run")});
}

TEST_F(DealwithMessageTest, LauncherCodesOutsideTheirProfileOrWithoutAProfileAreIgnored)
{
    RecordingHandler &agent = makeHandler();
    store->bound[1] = profileWithLauncher(Left2, "/opt/game/run");
    for (int code : {0x7F, 0x80, 0x80 + 11 + 11, 0xFE})
        agent.dealWithMsg(report({0xA4, 0x00, 0x10, 0x00, 0x00, code}));
    agent.dealWithMsg(report({0xA4, 0x00, 0x20, 0x00, 0x00, 0x80 + 22 + 4})); // slot 2 unbound
    EXPECT_TRUE(agent.opened.isEmpty());
    EXPECT_EQ(agent.applicationStarts, 0);
}

TEST_F(DealwithMessageTest, StoredPathWithoutItsTerminatorEndsWithTheField)
{
    RecordingHandler &agent = makeHandler();
    const QByteArray full(sizeof(BTN_INFO::app_path), 'a');
    store->bound[0] = profileWithLauncher(LeftClick, full);
    agent.dealWithMsg(report({0xA4, 0x00, 0x00, 0x00, 0x00, 0x80}));
    ASSERT_EQ(agent.opened.size(), 1);
    EXPECT_EQ(agent.opened.front(), QString::fromLatin1(full));
}

TEST_F(DealwithMessageTest, ConfigurationButtonStartsTheApplication)
{
    RecordingHandler &agent = makeHandler();
    agent.dealWithMsg(report({0xA4, 0x00, 0x30, 0x00, 0x00, 0x00}));
    agent.dealWithMsg(report({0xA4, 0x00, 0x00, 0x00, 0x00, 0xFF}));
    EXPECT_EQ(agent.applicationStarts, 2);
}

TEST_F(DealwithMessageTest, ShowChangeMessagesPickTheirPicture)
{
    makeHandler();
    message(notify::ShowChange, {1, 4});
    message(notify::ShowChange, {2, 1});
    message(notify::ShowChange, {2, 0});
    message(notify::ShowChange, {4, 3});
    message(notify::ShowChange, {3, 2, 16, 32});
    message(notify::ShowChange, {1, INT_MAX});
    message(notify::ShowChange, {1}); // missing values read as 0
    EXPECT_EQ(recorder.actions(),
              (QStringList{QStringLiteral("OSD P5"), QStringLiteral("OSD battle"),
                           QStringLiteral("OSD normal"), QStringLiteral("OSD rate3"),
                           QStringLiteral("OSD dpi 2 16 32"), QStringLiteral("OSD P2147483648"),
                           QStringLiteral("OSD P1")}));
}

TEST_F(DealwithMessageTest, KindsWithoutPictureAndASwitchedOffDisplayShowNothing)
{
    RecordingHandler &agent = makeHandler();
    message(notify::ShowChange, {5, 1});
    message(notify::OsdSwitch, {false});
    message(notify::ShowChange, {1, 1});
    agent.dealWithMsg(report({0xA4, 0x01, 0x10}));
    EXPECT_TRUE(recorder.actions().isEmpty());
    EXPECT_EQ(agent.showMsgFrm(), nullptr);

    message(notify::OsdSwitch, {true});
    message(notify::ShowChange, {1, 1});
    EXPECT_EQ(recorder.actions(), QStringList{QStringLiteral("OSD P2")});
}

TEST_F(DealwithMessageTest, DisplaySwitchStartsFromThePreferences)
{
    RecordingHandler &agent = makeHandler(false);
    EXPECT_FALSE(agent.isOsd());
    agent.dealWithMsg(report({0xA4, 0x02, 0x21, 0x10, 0x10}));
    // The application still hears of the stage change.
    EXPECT_EQ(recorder.actions(), QStringList{QStringLiteral("STATUS 2 1 16 16")});
    EXPECT_EQ(agent.showMsgFrm(), nullptr);
}

TEST_F(DealwithMessageTest, ReloadMessageReloadsTheStoredProfilesAndOtherMessagesAreIgnored)
{
    RecordingHandler &agent = makeHandler();
    message(notify::ReloadProfiles);
    EXPECT_EQ(store->refreshes, 1);
    EXPECT_EQ(store->settles, 1);

    agent.apReportPro(QLatin1String(notify::DevStatus), QStringLiteral("101"), {});
    agent.apReportPro(QLatin1String(notify::SettingChange), QStringLiteral("abc"), {});
    message(999, {1, 1});
    EXPECT_EQ(store->refreshes, 1);
    EXPECT_TRUE(recorder.actions().isEmpty());
}

} // namespace
} // namespace orvex::test
