// SPDX-License-Identifier: GPL-3.0-or-later
// Opening launcher paths and finding the configuration application.
#include "TestEnvironment.h"
#include "VirtualMouseProcess.h"

#include "ApplicationLauncher.h"

#include "platform/UserDataFolder.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

namespace orvex::test {
namespace {

void writeTextFile(const QString &path, const QString &text, bool executable = false)
{
    writeFile(path, text.toUtf8());
    if (executable)
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
}

class ApplicationLauncherTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ApplicationLauncher::setLaunchHelperPath(QStringLiteral(LAUNCH_HELPER_PATH));
    }
    void TearDown() override { ApplicationLauncher::setLaunchHelperPath(QString()); }

    // The helper run directly, for its verdict.
    static int runHelper(const QStringList &arguments)
    {
        QProcess helper;
        helper.start(QStringLiteral(LAUNCH_HELPER_PATH), arguments);
        if (!helper.waitForFinished(5000))
            return -1;
        return helper.exitStatus() == QProcess::NormalExit ? helper.exitCode() : -1;
    }

    QString folder = freshFolder(QStringLiteral("launch"));
};

TEST_F(ApplicationLauncherTest, StartsExecutablesAndDesktopEntries)
{
    const QString script = folder + QStringLiteral("/game.sh");
    writeTextFile(script, QStringLiteral("#!/bin/sh\ntouch \"$(dirname \"$0\")/script-ran\"\n"),
                  true);
    const QString entry = folder + QStringLiteral("/game.desktop");
    writeTextFile(entry,
                  QStringLiteral("[Desktop Entry]\nType=Application\nName=Game\nExec=touch %1\n")
                      .arg(folder + QStringLiteral("/entry-ran")));

    EXPECT_TRUE(ApplicationLauncher::open(script));
    EXPECT_TRUE(ApplicationLauncher::open(entry));
    EXPECT_TRUE(waitUntil([&] {
        return QFileInfo::exists(folder + QStringLiteral("/script-ran")) &&
               QFileInfo::exists(folder + QStringLiteral("/entry-ran"));
    }));
}

TEST_F(ApplicationLauncherTest, MissingEmptyAndBrokenPathsLaunchNothing)
{
    EXPECT_FALSE(ApplicationLauncher::open(QString()));
    EXPECT_FALSE(ApplicationLauncher::open(folder + QStringLiteral("/gone")));
    // An entry without Exec is refused by the helper, which says so.
    const QString broken = folder + QStringLiteral("/broken.desktop");
    writeTextFile(broken, QStringLiteral("[Desktop Entry]\nType=Application\nName=Broken\n"));
    EXPECT_EQ(runHelper({broken}), 1);
    EXPECT_EQ(runHelper({QStringLiteral("--open")}), 2);
    EXPECT_EQ(runHelper({}), 2);

    ApplicationLauncher::setLaunchHelperPath(folder + QStringLiteral("/no-helper"));
    const QString entry = folder + QStringLiteral("/game.desktop");
    writeTextFile(entry,
                  QStringLiteral("[Desktop Entry]\nType=Application\nName=Game\nExec=true\n"));
    EXPECT_FALSE(ApplicationLauncher::open(entry));
}

TEST_F(ApplicationLauncherTest, FindsTheConfigurationApplicationByItsDesktopEntry)
{
    const QString applications =
        qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/applications");
    QDir().mkpath(applications);
    const QString entry =
        applications + QLatin1Char('/') + ApplicationLauncher::configurationDesktopId();
    writeTextFile(entry,
                  QStringLiteral("[Desktop Entry]\nType=Application\nName=Orvex\nExec=true\n"));
    EXPECT_EQ(ApplicationLauncher::configurationApplicationPath(), entry);
}

TEST_F(ApplicationLauncherTest, TheApplicationRunsWhileItsBusNameIsOwned)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        GTEST_SKIP() << "no session bus";
    EXPECT_FALSE(ApplicationLauncher::isConfigurationRunning());
    ASSERT_TRUE(bus.registerService(QLatin1String(ApplicationIdentifier)));
    EXPECT_TRUE(ApplicationLauncher::isConfigurationRunning());
    bus.unregisterService(QLatin1String(ApplicationIdentifier));
    EXPECT_FALSE(ApplicationLauncher::isConfigurationRunning());
}

} // namespace
} // namespace orvex::test
