// SPDX-License-Identifier: GPL-3.0-or-later
// Profiles taken from files.
#include "ProfileStoreFixture.h"

#include "TestEnvironment.h"
#include "device/FirmwareFunctionTable.h"

#include <QDir>
#include <QFile>

#include <cstring>

using namespace orvex;
using orvex::test::ProfileStoreTest;

namespace {

void setPath(BTN_INFO &button, const QString &path)
{
    const QByteArray bytes = path.toUtf8();
    std::memset(button.app_path, 0, sizeof(button.app_path));
    std::memcpy(button.app_path, bytes.constData(), std::size_t(bytes.size()));
}

void makeLauncher(BTN_INFO &button, const QString &path)
{
    button.FuncID = 15;
    button.FuncTableId = fwfunc::Launcher;
    button.btnType = 3;
    setPath(button, path);
}

QString executable(const QString &path)
{
    test::writeFile(path, "#!/bin/sh\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    return path;
}

} // namespace

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

// Only launcher paths nobody else can have planted or changed are kept; a
// refused launcher becomes the default button and is reported, an unused
// path elsewhere is dropped, leaving the button's function.
TEST_F(ProfileStoreTest, AnImportKeepsOnlyTrustedLauncherPaths)
{
    ProfieController &pc = controller();
    const QString outside = test::freshFolder(QStringLiteral("import"));
    const QString trusted = executable(outside + QStringLiteral("/game.sh"));
    const QString shared = executable(outside + QStringLiteral("/shared.sh"));
    QFile::setPermissions(shared, QFile::permissions(shared) | QFileDevice::WriteOther);

    ORVEX_PROFILE data = test::markedProfile(4);
    makeLauncher(data.btnInfo[Left2], trusted);
    makeLauncher(data.btnInfo[Right4], shared);
    makeLauncher(data.btnInfo[DpiLeftButton], outside + QStringLiteral("/gone"));
    data.btnInfo[Left3].FuncTableId = fwfunc::Keyboard;
    setPath(data.btnInfo[Left3], shared);
    ProfileValue file;
    file.setName(QStringLiteral("Shared"));
    file.setProfileData(data);
    ASSERT_TRUE(file.saveToPath(outside + QStringLiteral("/shared.pro")));

    ProfieController::ImportReport report;
    ASSERT_EQ(pc.addByPath(outside + QStringLiteral("/shared.pro"), &report),
              ProfieController::Imported);
    ASSERT_EQ(report.refusedLaunchers.size(), 2);
    EXPECT_EQ(report.refusedLaunchers[0].button, Right4);
    EXPECT_EQ(report.refusedLaunchers[0].path, shared);
    EXPECT_EQ(report.refusedLaunchers[0].reason, QStringLiteral("writable by group or others"));
    EXPECT_EQ(report.refusedLaunchers[1].button, DpiLeftButton);
    EXPECT_EQ(report.refusedLaunchers[1].reason, QStringLiteral("no such file"));

    const ORVEX_PROFILE imported = pc.getProfileByName(QStringLiteral("Shared"))->profileData();
    EXPECT_EQ(LauncherScreen::pathOf(imported.btnInfo[Left2]), trusted);
    for (int button : {int(Right4), int(DpiLeftButton)}) {
        const BTN_INFO expected = pc.getDefBtnInfoByIndex(button);
        EXPECT_EQ(std::memcmp(&imported.btnInfo[button], &expected, sizeof expected), 0)
            << ButtonKeyNames[button];
    }
    EXPECT_EQ(imported.btnInfo[Left3].FuncTableId, std::uint32_t(fwfunc::Keyboard));
    EXPECT_TRUE(LauncherScreen::pathOf(imported.btnInfo[Left3]).isEmpty());
}
