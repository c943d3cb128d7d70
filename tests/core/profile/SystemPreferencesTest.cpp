// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileStoreFixture.h"

#include "OrvexAction.h"
#include "platform/GSettingsKey.h"
#include "platform/MouseSettingScale.h"
#include "platform/PreferencesFile.h"
#include "platform/WexMouseAction.h"

#include <QFile>

#include <cstdlib>

using namespace orvex;
using orvex::test::ProfileStoreTest;

namespace {

// GIO reads GSETTINGS_BACKEND at its first use: the real schemas, values
// kept in memory, whatever the caller's environment.
const bool memoryBackend = setenv("GSETTINGS_BACKEND", "memory", 1) == 0;

std::unique_ptr<GSettingsKey> desktopKey(const char *key)
{
    return GSettingsKey::open(QLatin1String(WexMouseAction::MouseSchema), QLatin1String(key));
}

class SystemPreferencesTest : public ProfileStoreTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(memoryBackend);
        ProfileStoreTest::SetUp();
        speed = desktopKey(WexMouseAction::SpeedKey);
        doubleClick = desktopKey(WexMouseAction::DoubleClickKey);
        ASSERT_TRUE(speed && doubleClick) << "gsettings-desktop-schemas is not installed";
        speed->reset();
        doubleClick->reset();
    }

    std::unique_ptr<GSettingsKey> speed;
    std::unique_ptr<GSettingsKey> doubleClick;
};

} // namespace

TEST(MouseSettingScale, DesktopDefaultsHaveStepsOfTheirOwnAndEveryStepRoundTrips)
{
    EXPECT_EQ(MouseSettingScale::pointerSpeedToScale(0.0), 5);
    EXPECT_EQ(MouseSettingScale::scaleToPointerSpeed(5), 0.0);
    EXPECT_EQ(MouseSettingScale::doubleClickToScale(400), 7);
    EXPECT_EQ(MouseSettingScale::scaleToDoubleClick(7), 400.0);
    for (int step = MouseSettingScale::Min; step <= MouseSettingScale::Max; ++step) {
        EXPECT_EQ(
            MouseSettingScale::pointerSpeedToScale(MouseSettingScale::scaleToPointerSpeed(step)),
            step);
        EXPECT_EQ(
            MouseSettingScale::doubleClickToScale(MouseSettingScale::scaleToDoubleClick(step)),
            step);
    }
    EXPECT_EQ(MouseSettingScale::scaleToPointerSpeed(1), -1.0);
    EXPECT_EQ(MouseSettingScale::scaleToPointerSpeed(99), 1.0);
    EXPECT_EQ(MouseSettingScale::pointerSpeedToScale(-7.0), 1);
    EXPECT_EQ(MouseSettingScale::doubleClickToScale(5000), 1);
    EXPECT_EQ(MouseSettingScale::doubleClickToScale(0), 10);
}

TEST_F(SystemPreferencesTest, DesktopSettingsAreReadAndWrittenOnTheScale)
{
    WexMouseAction action;
    EXPECT_TRUE(action.isSystemSetting(WexMouseAction::Acceleration));
    EXPECT_TRUE(action.isSystemSetting(WexMouseAction::DoubleClickSpeed));
    EXPECT_FALSE(action.isSystemSetting(WexMouseAction::ScrollSpeed));
    EXPECT_EQ(action.getValueByType(WexMouseAction::Acceleration), 5);
    EXPECT_EQ(action.getValueByType(WexMouseAction::DoubleClickSpeed), 7);
    EXPECT_EQ(action.getValueByType(WexMouseAction::ScrollSpeed), 5);
    EXPECT_EQ(action.getValueByType(4), 0);

    action.setValue(10, WexMouseAction::Acceleration);
    action.setValue(1, WexMouseAction::DoubleClickSpeed);
    action.setValue(8, WexMouseAction::ScrollSpeed);
    EXPECT_EQ(speed->value(), 1.0);
    EXPECT_EQ(doubleClick->value(), 1000.0);
    EXPECT_EQ(PreferencesFile::intValue(QStringLiteral("MouseSettings/ScrollSpeed")), 8);

    // A desktop value between two steps is not rounded away by writing the
    // step it already shows.
    speed->setValue(0.05);
    action.setValue(5, WexMouseAction::Acceleration);
    EXPECT_EQ(speed->value(), 0.05);
    action.setValue(42, WexMouseAction::Acceleration);
    EXPECT_EQ(speed->value(), 1.0);
}

TEST_F(SystemPreferencesTest, ResetRestoresTheReferenceAndApplyMovesIt)
{
    speed->setValue(-0.3);
    OrvexAction::initSysPrePro();
    OrvexAction::setSysPreSettingValue(9, WexMouseAction::Acceleration);
    OrvexAction::setSysPreSettingValue(3, WexMouseAction::ScrollSpeed);
    OrvexAction::resetSysProSettingToDef();
    EXPECT_EQ(speed->value(), -0.3);
    EXPECT_EQ(OrvexAction::selMouseAction->getValueByType(WexMouseAction::ScrollSpeed), 5);

    OrvexAction::setSysPreSettingValue(9, WexMouseAction::Acceleration);
    OrvexAction::applySysPreSettingToDef();
    OrvexAction::setSysPreSettingValue(2, WexMouseAction::Acceleration);
    OrvexAction::resetSysProSettingToDef();
    EXPECT_EQ(OrvexAction::selMouseAction->getValueByType(WexMouseAction::Acceleration), 9);
}

TEST_F(SystemPreferencesTest, FirstRunCopiesTheSystemValuesIntoEveryProfileOnce)
{
    speed->setValue(1.0);
    doubleClick->setValue(200);
    PreferencesFile::setIntValue(QStringLiteral("MouseSettings/ScrollSpeed"), 3);
    controller().addProfileByName(QStringLiteral("Mine"), nullptr);

    OrvexAction::initSysPrePro();
    EXPECT_EQ(PreferencesFile::boolValue(QStringLiteral("FirstUp")), true);
    EXPECT_EQ(OrvexAction::selProfile.acceler, 10u);
    controller().refreshProfile();
    ASSERT_EQ(controller().getProfileCount(), 6);
    for (const ProfileValuePtr &profile : controller().profileArr) {
        EXPECT_EQ(profile->profileData().acceler, 10u);
        EXPECT_EQ(profile->profileData().doubleSpeed, 9u);
        EXPECT_EQ(profile->profileData().srcSpeed, 3u);
    }

    // The next start: a new process finds the flag and leaves the profiles.
    OrvexAction::resetState();
    speed->setValue(-1.0);
    OrvexAction::initSysPrePro();
    EXPECT_EQ(OrvexAction::getShareProCon()->profileArr.first()->profileData().acceler, 10u);
    EXPECT_TRUE(OrvexAction::firstUp());
}

TEST_F(SystemPreferencesTest, AgentReadsTheDisplaySwitchFromThePreferencesFile)
{
    ASSERT_FALSE(QFile::exists(PreferencesFile::path()));
    EXPECT_TRUE(OrvexAction::daemonGetOsd());
    PreferencesFile::setBoolValue(QStringLiteral("OSDTag"), false);
    EXPECT_FALSE(OrvexAction::daemonGetOsd());

    QFile file(PreferencesFile::path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[General]\nOSDTag=perhaps\n");
    file.close();
    EXPECT_TRUE(OrvexAction::daemonGetOsd());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[General]\nOSDTag=NO\nFirstUp=1\n");
    file.close();
    EXPECT_FALSE(OrvexAction::daemonGetOsd());
    EXPECT_TRUE(OrvexAction::firstUp());
}
