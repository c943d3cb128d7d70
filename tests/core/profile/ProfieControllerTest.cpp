// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileStoreFixture.h"

#include "OrvexAction.h"
#include "TestEnvironment.h"
#include "platform/PreferencesFile.h"
#include "profile/DefaultProfileFiles.h"

#include <QDir>
#include <QFile>

using namespace orvex;
using orvex::test::markedProfile;
using orvex::test::ProfileStoreTest;

namespace {

QStringList slotFileNames()
{
    QStringList names;
    for (int slot = 1; slot <= FirmwareSlotCount; ++slot)
        names.append(DefaultProfileFiles::fileName(slot));
    return names;
}

bool sameRecord(const ORVEX_PROFILE &a, const ORVEX_PROFILE &b)
{
    return std::memcmp(&a, &b, sizeof(a)) == 0;
}

} // namespace

TEST_F(ProfileStoreTest, EmptyFolderHoldsTheFiveDefaultsSortedWithTheFirstSelected)
{
    ProfieController &pc = controller();
    EXPECT_EQ(listedNames(), factoryNames());
    for (int i = 0; i < pc.profileArr.size(); ++i) {
        EXPECT_EQ(pc.profileArr[i]->profileId(), i + 1);
        EXPECT_TRUE(pc.profileArr[i]->isDefault());
        EXPECT_EQ(pc.fwProfileID[i], i + 1);
    }
    EXPECT_EQ(pc.currProfile(), pc.profileArr.first());
    EXPECT_EQ(pc.getCurrProfileIndex(), 0);
    EXPECT_TRUE(sameRecord(OrvexAction::selProfile, pc.profileArr.first()->profileData()));
    EXPECT_EQ(profileFiles(), slotFileNames());
}

// Defaults are stored under their own names once saved; a reload must not
// bring back a fresh copy that shadows the user's edits.
TEST_F(ProfileStoreTest, EditedDefaultsSurviveTheReseedingOfEveryReload)
{
    ProfieController &pc = controller();
    OrvexAction::selProfile.liftHeight = 17;
    pc.saveSelProfileToData();
    ASSERT_TRUE(pc.saveToSys());
    QStringList stored;
    for (const QString &name : factoryNames())
        stored.append(name + QStringLiteral(".pro"));
    stored.sort();
    EXPECT_EQ(profileFiles(), stored);

    // A reload finds every default stored and writes nothing.
    pc.refreshProfile();
    EXPECT_EQ(profileFiles(), stored);
    EXPECT_EQ(listedNames(), factoryNames());
    EXPECT_EQ(pc.profileArr.first()->profileData().liftHeight, 17u);

    // A fresh copy left beside the stored default loses to it.
    QFile::copy(resourceFolder() + QStringLiteral("/Default1.pro"),
                profileFolder() + QStringLiteral("/Default1.pro"));
    pc.refreshProfile();
    EXPECT_EQ(pc.profileArr.first()->profileData().liftHeight, 17u);
    ASSERT_TRUE(pc.saveToSys());
    EXPECT_EQ(profileFiles(), stored);
}

TEST_F(ProfileStoreTest, ReloadTakesProfileFilesOfAnyCaseAndNothingElse)
{
    const QString folder = profileFolder();
    QDir().mkpath(folder);
    writeProfileFile(folder, QStringLiteral("Upper.PRO"), QStringLiteral("Upper"), 7);
    writeProfileFile(folder, QStringLiteral("Mixed.Pro"), QStringLiteral("Mixed"), 6);
    writeProfileFile(folder, QStringLiteral("notes.txt"), QStringLiteral("Notes"), 8);
    QDir(folder).mkdir(QStringLiteral("Folder.pro"));
    // Listed after Upper.PRO: a second profile of that name is skipped.
    writeProfileFile(folder, QStringLiteral("Zwin.pro"), QStringLiteral("Upper"), 9);

    QStringList expected = factoryNames();
    expected << QStringLiteral("Mixed") << QStringLiteral("Upper");
    EXPECT_EQ(listedNames(), expected);
    EXPECT_EQ(controller().getProfileByName(QStringLiteral("Upper"))->profileData().liftHeight, 7u);
}

TEST_F(ProfileStoreTest, ImportAnswersWhetherTheFileWasTaken)
{
    ProfieController &pc = controller();
    const QString outside = test::freshFolder(QStringLiteral("import"));
    const QString fresh =
        writeProfileFile(outside, QStringLiteral("x.pro"), QStringLiteral("Fresh"), 42);
    const QString clash = writeProfileFile(outside, QStringLiteral("y.pro"), factoryNames()[2], 43);

    EXPECT_EQ(pc.addByPath(clash), ProfieController::NameTaken);
    EXPECT_EQ(pc.getProfileCount(), 5);
    EXPECT_EQ(pc.addByPath(outside + QStringLiteral("/missing.pro")), ProfieController::Unreadable);
    EXPECT_EQ(pc.addByPath(outside), ProfieController::Unreadable);
    EXPECT_EQ(pc.addByPath(QString()), ProfieController::Unreadable);
    EXPECT_EQ(pc.getProfileCount(), 5);

    EXPECT_EQ(pc.addByPath(fresh), ProfieController::Imported);
    const ProfileValuePtr imported = pc.profileArr.last();
    EXPECT_EQ(imported->name(), QStringLiteral("Fresh"));
    EXPECT_EQ(imported->profileId(), 42);
    EXPECT_EQ(imported->profileData().btnInfo[0].FuncID, 42u);
    // An import is stored nowhere in the profile folder until the next save.
    EXPECT_TRUE(imported->storedFileName().isEmpty());
}

TEST_F(ProfileStoreTest, NewAndCopyNamesTakeTheFirstFreeCounter)
{
    ProfieController &pc = controller();
    EXPECT_EQ(pc.addProfile()->name(), QStringLiteral("NewProfile_1"));
    EXPECT_EQ(pc.getNewProfileName(), QStringLiteral("NewProfile_2"));

    const ProfileValuePtr work = pc.addProfileByName(QStringLiteral("Work"), nullptr);
    EXPECT_FALSE(work->isDefault());
    EXPECT_EQ(work->profileId(), 7);
    pc.setSelectByIndex(int(pc.getProfileCount() - 1));
    EXPECT_EQ(pc.copyProfile(work)->name(), QStringLiteral("Work copy_1"));
    EXPECT_EQ(pc.copyProfile(work)->name(), QStringLiteral("Work copy_2"));
    EXPECT_FALSE(pc.checkProfileName(QStringLiteral("Work"), nullptr));
    EXPECT_TRUE(pc.checkProfileName(QStringLiteral("Work"), work.get()));
}

// A copy of a name already at the file's 255-byte limit would be cut back to
// the original name when saved, and lost at the next reload as a duplicate.
TEST_F(ProfileStoreTest, CopyNamesOfLongNamesStayDistinctAfterSaving)
{
    ProfieController &pc = controller();
    const QString longName = QString(84, QChar(0x00E9)) + QStringLiteral("xyz"); // 171 bytes
    const QString longest = longName + QString(84, QLatin1Char('a'));            // 255 bytes
    ASSERT_EQ(longest.toUtf8().size(), 255);
    pc.addProfileByName(longest, nullptr);
    pc.setSelectByIndex(5);
    const QString copy = pc.copyProfile(pc.currProfile())->name();
    EXPECT_LE(copy.toUtf8().size(), 255);
    EXPECT_TRUE(copy.endsWith(QStringLiteral(" copy_1")));

    ASSERT_TRUE(pc.saveToSys());
    pc.refreshProfile();
    EXPECT_EQ(pc.getProfileCount(), 7);
    EXPECT_TRUE(pc.getProfileByName(copy));
}

TEST_F(ProfileStoreTest, SavingRenumbersInListOrder)
{
    ProfieController &pc = controller();
    const ProfileValuePtr extra = pc.addProfileByName(QStringLiteral("Extra"), nullptr);
    ASSERT_EQ(extra->profileId(), 6);
    pc.delProfile(pc.getProValueByProid(3));
    ASSERT_TRUE(pc.saveToSys());
    for (int i = 0; i < pc.profileArr.size(); ++i)
        EXPECT_EQ(pc.profileArr[i]->profileId(), i + 1);
    EXPECT_EQ(extra->profileId(), 5);
    EXPECT_EQ(profileFiles().size(), 5);

    // The deleted default comes back from the resources at the next reload.
    pc.refreshProfile();
    EXPECT_EQ(pc.getProfileCount(), 6);
    EXPECT_EQ(pc.profileArr.last()->name(), QStringLiteral("Extra"));
    EXPECT_TRUE(pc.getProfileByName(factoryNames()[2]));
}

TEST_F(ProfileStoreTest, SelectionStoresTheWorkingRecordAndFallsBackToTheFirstDefault)
{
    ProfieController &pc = controller();
    const ProfileValuePtr user = pc.addProfileByName(QStringLiteral("Mine"), nullptr);
    pc.setSelectByIndex(5);
    ASSERT_EQ(pc.currProfile(), user);
    OrvexAction::selProfile = markedProfile(9);

    for (int index : {-1, int(pc.getProfileCount())}) {
        pc.setSelectByIndex(index);
        EXPECT_EQ(pc.currProfileId(), index);
        EXPECT_EQ(pc.currProfile(), pc.getFirstDefaultProfile());
    }
    EXPECT_TRUE(sameRecord(user->profileData(), markedProfile(9)));

    // Selecting by name keeps the working record out of the old selection.
    pc.setSelectByName(QStringLiteral("Mine"));
    OrvexAction::selProfile.liftHeight = 30;
    pc.setSelectByName(factoryNames()[1]);
    EXPECT_EQ(user->profileData().liftHeight, 9u);
    pc.setSelectByName(QStringLiteral("nobody"));
    EXPECT_EQ(pc.currProfile()->name(), factoryNames()[1]);
}

TEST_F(ProfileStoreTest, DeletingTheSelectionLeavesNone)
{
    ProfieController &pc = controller();
    const ProfileValuePtr first = pc.currProfile();
    pc.delProByName(first->name());
    EXPECT_FALSE(pc.currProfile());
    EXPECT_EQ(pc.getCurrProfileIndex(), ProfieController::NoPosition);
    OrvexAction::selProfile.liftHeight = 30;
    pc.saveSelProfileToData();
    EXPECT_FALSE(pc.saveSelProfile());
    pc.delProByName(QStringLiteral("nobody"));
    EXPECT_EQ(pc.getProfileCount(), 4);
}

TEST_F(ProfileStoreTest, NextUserProfileAfterADeletion)
{
    ProfieController &pc = controller();
    const ProfileValuePtr a = pc.addProfileByName(QStringLiteral("A"), nullptr);
    EXPECT_FALSE(pc.getNextProfieWithNodef(a));
    const ProfileValuePtr b = pc.addProfileByName(QStringLiteral("B"), nullptr);
    EXPECT_EQ(pc.getNextProfieWithNodef(a), b);
    EXPECT_EQ(pc.getNextProfieWithNodef(b), a);
    EXPECT_EQ(pc.getNextProfie(b), pc.profileArr[5]);

    // User profiles sorted before the defaults (imported with small
    // identifiers): the answer is still the other user profile, never the
    // deleted one, and the search ends.
    a->setProfileId(-2);
    b->setProfileId(-1);
    pc.sortProfile();
    EXPECT_EQ(pc.getNextProfieWithNodef(b), a);
    EXPECT_EQ(pc.getNextProfieWithNodef(a), b);
    pc.delProfile(a);
    pc.addProfileByName(QStringLiteral("C"), pc.profileArr.first())->setIsDefault(true);
    EXPECT_FALSE(pc.getNextProfieWithNodef(b));
}

TEST_F(ProfileStoreTest, SlotsBindAndSelectProfiles)
{
    ProfieController &pc = controller();
    const ProfileValuePtr user = pc.addProfileByName(QStringLiteral("Mine"), nullptr);
    pc.setCurrFWProfileIndex(3);
    EXPECT_EQ(pc.currFWProfileIndex(), 3);
    EXPECT_EQ(pc.currProfile(), pc.profileArr[3]);

    pc.setProfileToFWPro(user->profileId());
    EXPECT_EQ(pc.fwProfileID[3], user->profileId());
    EXPECT_EQ(pc.currProfile(), user);
    EXPECT_EQ(pc.getProfileByFWProId(3), user);

    // An unknown identifier binds the slot's default, which is not listed:
    // the selection falls back to the first default profile.
    pc.setProfileToFWPro(99);
    EXPECT_EQ(pc.fwProfileID[3], pc.defaultProfile()->profileId());
    EXPECT_EQ(pc.currProfile(), pc.getFirstDefaultProfile());

    for (int slot : {-1, 5}) {
        pc.setCurrFWProfileIndex(slot);
        EXPECT_FALSE(pc.getProfileByFWProId(slot));
    }
    EXPECT_EQ(pc.currFWProfileIndex(), 3);
    pc.fwProfileID[1] = 77;
    EXPECT_EQ(pc.getProfileByFWProId(1), pc.getFirstDefaultProfile());
}

TEST_F(ProfileStoreTest, DisplaySwitchAndReportRateReachEveryProfile)
{
    ProfieController &pc = controller();
    EXPECT_FALSE(PreferencesFile::boolValue(QStringLiteral("OSDTag")));
    EXPECT_TRUE(pc.isOSD());
    EXPECT_EQ(PreferencesFile::boolValue(QStringLiteral("OSDTag")), true);
    pc.setIsOSD(false);
    EXPECT_FALSE(pc.isOSD());
    EXPECT_FALSE(OrvexAction::daemonGetOsd());

    OrvexAction::selProfile.enableSrcDes = 0;
    OrvexAction::selProfile.poRate = 2;
    pc.fillOSD();
    pc.fillProRate();
    for (const ProfileValuePtr &profile : pc.profileArr) {
        EXPECT_EQ(profile->profileData().enableSrcDes, 0u);
        EXPECT_EQ(profile->profileData().poRate, 2u);
    }
}

TEST_F(ProfileStoreTest, MissingProfileFolderGivesOneNewProfile)
{
    const QString data = UserDataFolder::dataHome() + QStringLiteral("/com.kelto.orvexOption");
    QDir().mkpath(data);
    // A file where the folder should be: it can be neither read nor made.
    QFile blocker(data + QStringLiteral("/Profiles"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ProfieController &pc = controller();
    ASSERT_EQ(pc.getProfileCount(), 1);
    EXPECT_EQ(pc.currProfile()->name(), QStringLiteral("NewProfile_1"));
    EXPECT_TRUE(sameRecord(pc.currProfile()->profileData(), pc.defaultProfile()->profileData()));
    EXPECT_FALSE(pc.saveToSys());
}
