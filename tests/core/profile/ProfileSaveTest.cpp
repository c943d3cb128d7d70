// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfileStoreFixture.h"

#include "OrvexAction.h"
#include "TestEnvironment.h"
#include "profile/ProfileFileNames.h"

#include <QDir>
#include <QDirIterator>
#include <QSet>

using namespace orvex;
using orvex::test::markedProfile;
using orvex::test::ProfileStoreTest;

namespace {

// Every file below `root`, relative to it.
QStringList filesBelow(const QString &root)
{
    QStringList files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.append(QDir(root).relativeFilePath(it.next()));
    return files;
}

} // namespace

TEST(ProfileFileNames, StemsStayInsideTheFolderAndWithinNameMax)
{
    const QString hostile[] = {
        QStringLiteral("../../escape"),
        QStringLiteral("a/b"),
        QStringLiteral(".."),
        QStringLiteral("."),
        QStringLiteral(""),
        QStringLiteral(".hidden"),
        QString(QLatin1Char('/')),
        QStringLiteral("tab\there"),
        QString(300, QChar(0x4E2D)),
    };
    for (const QString &name : hostile) {
        const QString file = ProfileFileNames::assign({name}).first();
        EXPECT_FALSE(file.contains(QLatin1Char('/'))) << file.toStdString();
        EXPECT_FALSE(file.startsWith(QLatin1Char('.'))) << file.toStdString();
        EXPECT_LE(file.toUtf8().size(), ProfileFileNames::MaxFileNameBytes);
        EXPECT_TRUE(file.endsWith(QStringLiteral(".pro")));
    }
    EXPECT_EQ(ProfileFileNames::assign({QString::fromUtf16(u"nul\0x", 5)}).first(),
              QStringLiteral("nul_x.pro"));
    EXPECT_EQ(ProfileFileNames::assign({QStringLiteral("Jeu préféré")}).first(),
              QStringLiteral("Jeu préféré.pro"));
}

TEST(ProfileFileNames, EveryNameGetsItsOwnFileAndVerbatimNamesKeepTheirs)
{
    const QStringList names = {QStringLiteral("a/b"), QStringLiteral("a_b"), QStringLiteral("Work"),
                               QStringLiteral("work"), QStringLiteral("a\nb")};
    const QStringList files = ProfileFileNames::assign(names);
    EXPECT_EQ(files, (QStringList{QStringLiteral("a_b~2.pro"), QStringLiteral("a_b.pro"),
                                  QStringLiteral("Work.pro"), QStringLiteral("work~2.pro"),
                                  QStringLiteral("a_b~3.pro")}));
}

// Hostile names never write outside the folder or onto each other, and every
// profile comes back with its name exactly as written.
TEST_F(ProfileStoreTest, HostileNamesAreSavedSafelyAndReloadUnchanged)
{
    ProfieController &pc = controller();
    const QStringList names = {
        QStringLiteral("../../escape"),
        QStringLiteral("a/b"),
        QStringLiteral("a_b"),
        QStringLiteral(".."),
        QStringLiteral(".hidden"),
        QString(),
        QString::fromUtf16(u"nul\0x", 5),
        QString(255, QLatin1Char('L')),
        QString(250, QLatin1Char('L')) + QStringLiteral("other"),
        QStringLiteral("Work"),
        QStringLiteral("work"),
    };
    for (const QString &name : names)
        pc.addProfileByName(name, nullptr);
    const QString dataHome = UserDataFolder::dataHome();
    ASSERT_TRUE(pc.saveToSys());

    const QStringList files = profileFiles();
    EXPECT_EQ(files.size(), 5 + names.size());
    for (const QString &file : filesBelow(dataHome))
        EXPECT_TRUE(file.startsWith(QStringLiteral("com.kelto.orvexOption/Profiles/")))
            << file.toStdString();

    pc.refreshProfile();
    const QStringList reloaded = listedNames();
    EXPECT_EQ(QSet<QString>(reloaded.begin(), reloaded.end()).size(), 5 + names.size());
    // The file's name area ends at the first NUL.
    for (const QString &name : names)
        EXPECT_TRUE(reloaded.contains(name.section(QChar(0), 0, 0))) << name.toStdString();
}

// Deleting a profile renumbers the ones after it; each slot must stay on its
// profile, and a slot whose profile is gone goes to the slot's default.
TEST_F(ProfileStoreTest, SlotsStayOnTheirProfilesAcrossRenumbering)
{
    ProfieController &pc = controller();
    const ProfileValuePtr doomed = pc.addProfileByName(QStringLiteral("Doomed"), nullptr);
    const ProfileValuePtr kept = pc.addProfileByName(QStringLiteral("Kept"), nullptr);
    pc.setCurrFWProfileIndex(1);
    pc.setProfileToFWPro(kept->profileId()); // 7
    pc.setCurrFWProfileIndex(4);
    pc.setProfileToFWPro(doomed->profileId()); // 6
    ASSERT_TRUE(pc.saveToSys());

    pc.delProfile(doomed);
    ASSERT_TRUE(pc.saveToSys());
    EXPECT_EQ(kept->profileId(), 6);
    EXPECT_EQ(pc.fwProfileID[1], 6);
    EXPECT_EQ(pc.fwProfileID[4], 5);

    pc.refreshProfile();
    EXPECT_EQ(pc.getProfileByFWProId(1)->name(), QStringLiteral("Kept"));
    EXPECT_EQ(pc.getProfileByFWProId(4)->name(), factoryNames()[4]);
    EXPECT_EQ(pc.getProfileByFWProId(0)->name(), factoryNames()[0]);
}

TEST_F(ProfileStoreTest, AFailedWriteKeepsEveryEarlierFile)
{
    ProfieController &pc = controller();
    pc.addProfileByName(QStringLiteral("Gone"), nullptr);
    ASSERT_TRUE(pc.saveToSys());
    const QStringList before = profileFiles();

    pc.delProByName(QStringLiteral("Gone"));
    pc.addProfileByName(QStringLiteral("Blocked"), nullptr);
    // A folder where the new file should go: its write fails.
    ASSERT_TRUE(QDir(profileFolder()).mkdir(QStringLiteral("Blocked.pro")));
    EXPECT_FALSE(pc.saveToSys());
    EXPECT_EQ(profileFiles(), before);
}

TEST_F(ProfileStoreTest, ProfilesThatSwapNamesBothSurvive)
{
    ProfieController &pc = controller();
    const ProfileValuePtr x = pc.addProfileByName(QStringLiteral("X"), nullptr);
    const ProfileValuePtr y = pc.addProfileByName(QStringLiteral("Y"), nullptr);
    x->setProfileData(markedProfile(11));
    y->setProfileData(markedProfile(22));
    ASSERT_TRUE(pc.saveToSys());

    x->setName(QStringLiteral("Y"));
    y->setName(QStringLiteral("X"));
    ASSERT_TRUE(pc.saveToSys());
    EXPECT_EQ(profileFiles().size(), 7);

    pc.refreshProfile();
    EXPECT_EQ(pc.getProfileByName(QStringLiteral("Y"))->profileData().liftHeight, 11u);
    EXPECT_EQ(pc.getProfileByName(QStringLiteral("X"))->profileData().liftHeight, 22u);
}

TEST_F(ProfileStoreTest, SavingTheSelectionWritesTheWorkingRecord)
{
    ProfieController &pc = controller();
    const ProfileValuePtr mine = pc.addProfileByName(QStringLiteral("a/b"), nullptr);
    ASSERT_TRUE(pc.saveToSys());
    pc.setSelectByIndex(5);
    OrvexAction::selProfile = markedProfile(5);
    ASSERT_TRUE(pc.saveSelProfile());
    EXPECT_EQ(mine->profileData().liftHeight, 5u);
    const ProfileValuePtr onDisk =
        ProfileValue::initWithPath(profileFolder() + QStringLiteral("/a_b.pro"));
    ASSERT_TRUE(onDisk);
    EXPECT_EQ(onDisk->name(), QStringLiteral("a/b"));
    EXPECT_EQ(onDisk->profileData().liftHeight, 5u);

    const QString exportFolder = test::freshFolder(QStringLiteral("export"));
    ASSERT_TRUE(pc.saveSeltoPath(exportFolder));
    EXPECT_EQ(QDir(exportFolder).entryList(QDir::Files), QStringList{QStringLiteral("a_b.pro")});
}

TEST_F(ProfileStoreTest, ClearingEmptiesTheFolderAndTheNextSaveRefillsIt)
{
    ProfieController &pc = controller();
    ASSERT_TRUE(pc.saveToSys());
    pc.clearAllProfile();
    EXPECT_TRUE(QDir(profileFolder()).exists());
    EXPECT_TRUE(profileFiles().isEmpty());
    ASSERT_TRUE(pc.saveToSys());
    EXPECT_EQ(profileFiles().size(), 5);
}
