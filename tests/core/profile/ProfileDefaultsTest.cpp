// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileStoreFixture.h"

#include "OrvexAction.h"
#include "catalogue/Catalogue.h"
#include "platform/WexAction.h"
#include "profile/DefaultProfileFiles.h"
#include "profile/FactoryProfiles.h"

#include <QFile>

#include <cstddef>
#include <cstring>

using namespace orvex;
using orvex::test::markedProfile;
using orvex::test::ProfileStoreTest;

TEST_F(ProfileStoreTest, TheDefaultFollowsTheEditedSlot)
{
    ProfieController &pc = controller();
    pc.setCurrFWProfileIndex(3);
    EXPECT_EQ(pc.defaultProfile()->name(), factoryNames()[3]);
    EXPECT_EQ(pc.getDefBtnInfoByIndex(10).FuncID, 1010u);
    EXPECT_EQ(pc.getDefBtnInfoByIndex(11).FuncID, 0u);
    EXPECT_EQ(pc.getDefBtnInfoByIndex(-1).FuncTableId, 0u);

    // Out of the list (only reachable through the accessors): slot 0's default.
    auto defaults = pc.defaultProfileArrs();
    defaults.removeLast();
    defaults.removeLast();
    pc.setDefaultProfileArrs(defaults);
    EXPECT_EQ(pc.defaultProfile()->name(), factoryNames()[0]);
    pc.setDefaultProfileArrs({});
    EXPECT_FALSE(pc.defaultProfile());
}

TEST_F(ProfileStoreTest, ButtonResetLeavesLightingAndPerformance)
{
    ProfieController &pc = controller();
    OrvexAction::selProfile = markedProfile(3);
    pc.resetButtonInfo();
    const ORVEX_PROFILE factory = pc.defaultProfile()->profileData();
    const ORVEX_PROFILE marked = markedProfile(3);
    const ORVEX_PROFILE &record = OrvexAction::selProfile;
    EXPECT_EQ(std::memcmp(record.btnInfo, factory.btnInfo, sizeof(record.btnInfo)), 0);
    constexpr std::size_t rest = offsetof(ORVEX_PROFILE, modeType);
    EXPECT_EQ(std::memcmp(reinterpret_cast<const char *>(&record) + rest,
                          reinterpret_cast<const char *>(&marked) + rest, sizeof(record) - rest),
              0);
}

TEST_F(ProfileStoreTest, ResettingASlotBindsAndResetsItsDefaultCopy)
{
    ProfieController &pc = controller();
    const ProfileValuePtr user = pc.addProfileByName(QStringLiteral("Mine"), nullptr);
    const ProfileValuePtr copy = pc.getProfileByName(factoryNames()[2]);
    copy->setProfileData(markedProfile(8));
    pc.setCurrFWProfileIndex(2);
    pc.setProfileToFWPro(user->profileId());

    pc.resetCurrFwToDef();
    EXPECT_EQ(pc.fwProfileID[2], copy->profileId());
    EXPECT_EQ(pc.currProfile(), copy);
    const ORVEX_PROFILE reset = copy->profileData();
    const ORVEX_PROFILE factory = pc.defaultProfile()->profileData();
    EXPECT_EQ(std::memcmp(&reset, &factory, sizeof(ORVEX_PROFILE)), 0);
}

// Without the stored copy the selection would fall back to slot 1's default,
// which would then be given slot 3's settings.
TEST_F(ProfileStoreTest, ResettingASlotWhoseCopyIsGoneAddsItAgain)
{
    ProfieController &pc = controller();
    const ProfileValuePtr first = pc.profileArr.first();
    const ORVEX_PROFILE firstBefore = first->profileData();
    pc.setCurrFWProfileIndex(2);
    pc.delProByName(factoryNames()[2]);

    pc.resetCurrFwToDef();
    const ProfileValuePtr again = pc.getProfileByName(factoryNames()[2]);
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->isDefault());
    EXPECT_EQ(pc.currProfile(), again);
    EXPECT_EQ(pc.fwProfileID[2], again->profileId());
    const ORVEX_PROFILE firstAfter = first->profileData();
    EXPECT_EQ(std::memcmp(&firstAfter, &firstBefore, sizeof(ORVEX_PROFILE)), 0);
}

TEST_F(ProfileStoreTest, ResetAllGivesEveryProfileTheEditedSlotsDefault)
{
    ProfieController &pc = controller();
    pc.addProfileByName(QStringLiteral("Mine"), pc.profileArr.first());
    pc.setCurrFWProfileIndex(4);
    pc.resetAllToDefault();
    for (const ProfileValuePtr &profile : pc.profileArr)
        EXPECT_EQ(profile->profileData().liftHeight, pc.defaultProfile()->profileData().liftHeight);
    pc.setSelectByIndex(0);
    OrvexAction::selProfile.liftHeight = 31;
    pc.saveSelProfileToData();
    pc.resetToDefault();
    EXPECT_NE(pc.currProfile()->profileData().liftHeight, 31u);
    EXPECT_EQ(OrvexAction::selProfile.liftHeight, 31u);
}

TEST_F(ProfileStoreTest, UserProfilesAreStrippedAndReplacedInOrder)
{
    ProfieController &pc = controller();
    QList<ProfileValuePtr> users;
    pc.getNoDefaultProArr(users);
    EXPECT_TRUE(users.isEmpty());

    const ProfileValuePtr a = pc.addProfileByName(QStringLiteral("A"), nullptr);
    const ProfileValuePtr b = pc.addProfileByName(QStringLiteral("B"), nullptr);
    const ProfileValuePtr c = pc.addProfileByName(QStringLiteral("C"), nullptr);
    pc.setSelectByIndex(6);
    pc.getNoDefaultProArr(users);
    EXPECT_EQ(users, (QList<ProfileValuePtr>{a, b, c}));

    pc.removeAllNoDefault();
    EXPECT_EQ(listedNames(), factoryNames());
    EXPECT_FALSE(pc.currProfile());

    pc.setNoDefaultProArr({c, a});
    EXPECT_EQ(pc.profileArr.mid(5), (QList<ProfileValuePtr>{c, a}));
}

TEST_F(ProfileStoreTest, AMissingDefaultIsTheAbsenceOfADefault)
{
    ASSERT_TRUE(QFile::remove(resourceFolder() + QStringLiteral("/Default2.pro")));
    ProfieController &pc = controller();
    EXPECT_FALSE(pc.defaultProfileArrs()[1]);
    EXPECT_EQ(pc.getProfileCount(), 4);

    pc.setCurrFWProfileIndex(1);
    EXPECT_FALSE(pc.defaultProfile());
    EXPECT_EQ(pc.getDefBtnInfoByIndex(0).FuncTableId, 0u);
    const ORVEX_PROFILE before = OrvexAction::selProfile;
    pc.resetButtonInfo();
    pc.resetToDefault();
    pc.resetAllToDefault();
    pc.resetCurrFwToDef();
    EXPECT_EQ(std::memcmp(&before, &OrvexAction::selProfile, sizeof(ORVEX_PROFILE)), 0);
    const ProfileValuePtr blank = pc.addProfile();
    EXPECT_EQ(blank->profileData().liftHeight, 0u);
}

// The files the build ships: made from the factory source, each button's
// FuncID the catalogue's entry for that firmware function.
TEST(ShippedDefaultProfiles, MatchTheFactorySourceAndTheCatalogue)
{
    const QDomDocument catalogue =
        WexAction::loadXmlFromPath(QStringLiteral(ORVEX_SOURCE_DIR "/resources/MenuInfo.xml"));
    Catalogue::initSingleMenulist(
        catalogue.documentElement().firstChildElement(QStringLiteral("SingleMenu")));
    const QList<FactoryProfile> factories = FactoryProfiles::load();
    const QList<ProfileValuePtr> shipped = DefaultProfileFiles::loadShipped();
    ASSERT_EQ(shipped.size(), factories.size());
    for (int i = 0; i < shipped.size(); ++i) {
        ASSERT_TRUE(shipped[i]) << "Default" << i + 1 << ".pro";
        EXPECT_TRUE(shipped[i]->isDefault());
        EXPECT_EQ(shipped[i]->profileId(), i + 1);
        EXPECT_EQ(shipped[i]->name(), factories[i].name);
        EXPECT_EQ(shipped[i]->fwProfileID[i], i + 1);
        const ORVEX_PROFILE data = shipped[i]->profileData();
        EXPECT_EQ(data.liftHeight, factories[i].profile.liftHeight);
        EXPECT_EQ(data.lightColorIndexArr[0], factories[i].profile.lightColorIndexArr[0]);
        for (const BTN_INFO &button : data.btnInfo) {
            const MenuInfoPtr entry = Catalogue::getSingleByBtnInfo(button);
            ASSERT_TRUE(entry) << "Default" << i + 1 << ".pro: class " << button.FuncTableId;
            EXPECT_EQ(button.FuncID, std::uint32_t(entry->functionID));
        }
    }
    Catalogue::resetState();
}
