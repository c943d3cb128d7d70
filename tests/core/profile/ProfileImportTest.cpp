// SPDX-License-Identifier: GPL-3.0-or-later
// Profiles taken from files.
#include "ProfileStoreFixture.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>

using namespace orvex;
using orvex::test::ProfileStoreTest;

// A file's identifier stays when it is free; one a stored profile has gives
// way, or binding the import to a slot would bind the stored profile.
TEST_F(ProfileStoreTest, AnImportTakesANewIdentifierWhenItsOwnIsTaken)
{
    ProfieController &pc = controller();
    const QString outside = test::freshFolder(QStringLiteral("import"));
    const ProfileValuePtr everyday = pc.getProValueByProid(1);
    ASSERT_TRUE(everyday);

    ASSERT_EQ(
        pc.addByPath(writeProfileFile(outside, QStringLiteral("a.pro"), QStringLiteral("A"), 1)),
        ProfieController::Imported);
    ASSERT_EQ(
        pc.addByPath(writeProfileFile(outside, QStringLiteral("b.pro"), QStringLiteral("B"), 9)),
        ProfieController::Imported);
    const ProfileValuePtr a = pc.getProfileByName(QStringLiteral("A"));
    EXPECT_EQ(a->profileId(), 6);
    EXPECT_EQ(pc.getProfileByName(QStringLiteral("B"))->profileId(), 9);
    EXPECT_EQ(pc.getProValueByProid(1), everyday);

    pc.setCurrFWProfileIndex(3);
    pc.setProfileToFWPro(a->profileId());
    EXPECT_EQ(pc.getProfileByFWProId(3), a);
}

// A profile file of the folder that cannot be loaded is renamed out of the
// way, so no save removes it or writes over it.
TEST_F(ProfileStoreTest, RefusedFolderFilesAreSetAsideAndOutliveSaves)
{
    const QString folder = profileFolder();
    QDir().mkpath(folder);
    test::writeFile(folder + QStringLiteral("/Short.pro"), QByteArray(100, 'x'));
    test::writeFile(folder + QStringLiteral("/Short.pro.refused"), "an earlier one");

    ProfieController &pc = controller();
    EXPECT_EQ(listedNames(), factoryNames());
    pc.addProfileByName(QStringLiteral("Short"), nullptr);
    ASSERT_TRUE(pc.saveToSys());
    EXPECT_TRUE(profileFiles().contains(QStringLiteral("Short.pro")));
    QFile aside(folder + QStringLiteral("/Short.pro.refused2"));
    ASSERT_TRUE(aside.open(QIODevice::ReadOnly));
    EXPECT_EQ(aside.readAll(), QByteArray(100, 'x'));
    EXPECT_TRUE(profileFiles().contains(QStringLiteral("Short.pro.refused")));
}
