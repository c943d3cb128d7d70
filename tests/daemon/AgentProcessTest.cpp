// SPDX-License-Identifier: GPL-3.0-or-later
// The built agent against the virtual mouse over its socket, on a private
// session bus: what a person does with the mouse, and what the configuration
// application would send, as the agent's event lines and bus signals show.
#include "AgentProcess.h"
#include "DevStatusSpy.h"
#include "PrivateBus.h"
#include "TestEnvironment.h"
#include "VirtualMouseProcess.h"

#include "device/MemoryMap.h"
#include "messaging/NotificationNames.h"
#include "platform/UserDataFolder.h"
#include "profile/ProfieController.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace orvex::test {
namespace {

constexpr int WaitMs = 5000;

class AgentProcessTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder = freshFolder(QStringLiteral("agent"));
        ASSERT_TRUE(bus.start());
        mouse = std::make_unique<VirtualMouseProcess>(folder);
        ASSERT_TRUE(mouse->start());
        // At debug level the agent says when it has reloaded the stored
        // profiles, which tests wait for before pressing a launcher button.
        agent.setVariable(QStringLiteral("ORVEX_LOG_LEVEL"), QStringLiteral("debug"));
        prepareAgent();
        ASSERT_TRUE(agent.start(bus.address(), mouse->socketPath))
            << agent.lines().join(u'\n').toStdString();
        spy = std::make_unique<DevStatusSpy>(bus.connection());
    }

    virtual void prepareAgent() {}

    // The configuration application as a desktop entry in the user's
    // applications folder, where the agent finds it by its identifier.
    QString installApplication(const QString &exec)
    {
        const QString applications =
            qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/applications");
        QDir().mkpath(applications);
        const QString entry = applications + QStringLiteral("/com.kelto.orvexOption.desktop");
        writeFile(entry, QStringLiteral("[Desktop Entry]\nType=Application\nName=Orvex\nExec=%1\n")
                             .arg(exec)
                             .toUtf8());
        return entry;
    }

    void send(const QString &words)
    {
        ASSERT_EQ(mouse->send(words.split(u' ')), 0) << words.toStdString();
    }

    // Runs a bus client with the test's bus as the session bus.
    int runClient(const QString &program, const QStringList &arguments)
    {
        QProcess client;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
        client.setProcessEnvironment(environment);
        client.start(program, arguments);
        client.waitForFinished(WaitMs);
        return client.exitStatus() == QProcess::NormalExit ? client.exitCode() : -1;
    }

    int runCtl(const QStringList &arguments)
    {
        return runClient(
            QStringLiteral(ORVEXCTL_PATH),
            QStringList{QStringLiteral("--device"), QStringLiteral("sim:") + mouse->socketPath} +
                arguments);
    }

    // "OrvexSettingChange" as the application posts it, through gdbus.
    void postSetting(const QString &code, const QString &userInfo)
    {
        ASSERT_EQ(runClient(QStringLiteral("gdbus"),
                            {QStringLiteral("emit"), QStringLiteral("--session"),
                             QStringLiteral("--object-path"), QLatin1String(notify::BusPath),
                             QStringLiteral("--signal"),
                             QLatin1String(notify::BusInterface) + QLatin1Char('.') +
                                 QLatin1String(notify::SettingChange),
                             QStringLiteral("'%1'").arg(code), userInfo}),
                  0);
    }

    // Firmware slot 9 of onboard profile 2 made a launcher on the mouse, and a
    // stored profile whose button there opens `path` bound to slot 2, as the
    // application does before it tells the agent to reload.
    // The agent's debug line for a reload of the stored profiles.
    int reloadsSoFar()
    {
        const QStringList lines = agent.lines();
        return int(std::count_if(lines.cbegin(), lines.cend(), [](const QString &line) {
            return line.endsWith(QStringLiteral("更新Setting"));
        }));
    }

    // Waits until the agent has handled `count` more reloads than `before`:
    // the bus and the mouse are two sources, and a button pressed right after
    // a reload was asked for may otherwise be handled first.
    bool waitForReloads(int before, int count = 1)
    {
        return waitUntil([&] { return reloadsSoFar() >= before + count; }, WaitMs);
    }

    void reloadAgent()
    {
        const int before = reloadsSoFar();
        postSetting(QStringLiteral("101"), QStringLiteral("@a{sv} {}"));
        ASSERT_TRUE(waitForReloads(before));
    }

    void bindLauncherProfile(const QString &path)
    {
        constexpr int Slot = 2;
        constexpr int ButtonSlot = 9;
        const int buttonIndex = MemoryMap::getBtnIndexBy2(ButtonSlot);
        const int address = MemoryMap::getOffsetAdrBy(fwmem::ButtonClass + ButtonSlot, Slot);
        const int reloads = reloadsSoFar();
        ASSERT_EQ(runCtl({QStringLiteral("write"), QString::number(address), QStringLiteral("15")}),
                  0);
        ASSERT_EQ(runCtl({QStringLiteral("reload")}), 0);
        // Each command told the agent to reload; let those pass first.
        ASSERT_TRUE(waitForReloads(reloads, 2));
        send(QStringLiteral("profile 2"));

        ProfieController *controller = ProfieController::getShareProCon();
        const ProfileValuePtr profile = controller->addProfileByName(
            QStringLiteral("Launcher ") + QFileInfo(folder).fileName(), nullptr);
        ORVEX_PROFILE data = profile->profileData();
        const QByteArray bytes = path.toUtf8();
        ASSERT_LT(bytes.size(), qsizetype(sizeof(BTN_INFO::app_path)));
        std::copy(bytes.begin(), bytes.end(), data.btnInfo[buttonIndex].app_path);
        profile->setProfileData(data);
        controller->setCurrFWProfileIndex(Slot);
        controller->setProfileToFWPro(profile->profileId());
        ASSERT_TRUE(controller->saveToSys());
    }

    QString folder;
    PrivateBus bus;
    std::unique_ptr<VirtualMouseProcess> mouse;
    AgentProcess agent;
    std::unique_ptr<DevStatusSpy> spy;
};

TEST_F(AgentProcessTest, ResetsThePresentMouseAtStart)
{
    EXPECT_TRUE(waitUntil(
        [&] { return mouse->traceLines().filter(QStringLiteral("SET C4 01 00")).size() == 1; },
        WaitMs))
        << mouse->traceLines().join(u'\n').toStdString();
}

TEST_F(AgentProcessTest, ProfileButtonShowsThePictureWhileNoApplicationRuns)
{
    send(QStringLiteral("profile 3"));
    ASSERT_TRUE(agent.waitForLine(QStringLiteral("OSD P4")));
    EXPECT_TRUE(agent.lines().contains(QStringLiteral("Daemon Rec a4 1 30 0 0 0 0 0")));
    EXPECT_TRUE(agent.actionsStartingWith(QStringLiteral("STATUS 1")).isEmpty());
}

TEST_F(AgentProcessTest, WhileTheApplicationRunsProfileChangesAreOnlyRelayed)
{
    ASSERT_TRUE(bus.connection().registerService(QLatin1String(ApplicationIdentifier)));
    send(QStringLiteral("profile 2"));
    ASSERT_TRUE(agent.waitForLine(QStringLiteral("STATUS 1 2")));
    ASSERT_TRUE(waitUntil([&] { return !spy->statuses.isEmpty(); }, WaitMs));
    EXPECT_EQ(spy->statuses.front(),
              (QVariantMap{{QStringLiteral("type"), 1}, {QStringLiteral("value"), 2}}));

    // A later display proves the profile change showed nothing before it.
    send(QStringLiteral("dpi-up"));
    ASSERT_TRUE(waitUntil(
        [&] { return !agent.actionsStartingWith(QStringLiteral("OSD")).isEmpty(); }, WaitMs));
    EXPECT_TRUE(agent.actionsStartingWith(QStringLiteral("OSD P")).isEmpty());
}

TEST_F(AgentProcessTest, DpiUpShowsTheDpiPictureAndRelaysIt)
{
    // Factory profile 1 stands on stage 2 (1600 DPI); up is stage 3, 2400 DPI = 48 units.
    send(QStringLiteral("profile 0"));
    send(QStringLiteral("dpi-up"));
    ASSERT_TRUE(agent.waitForLine(QStringLiteral("STATUS 2 2 48 48")));
    EXPECT_TRUE(agent.lines().contains(QStringLiteral("OSD dpi 2 48 48")));
    ASSERT_TRUE(waitUntil([&] { return !spy->statuses.isEmpty(); }, WaitMs));
    EXPECT_EQ(spy->statuses.back(), (QVariantMap{{QStringLiteral("type"), 2},
                                                 {QStringLiteral("value1"), 2},
                                                 {QStringLiteral("value2"), 48},
                                                 {QStringLiteral("value3"), 48}}));
}

// The agent runs all session long: showing figures must not start a font
// engine or load Qt's image plugins, which it would then hold for good.
TEST_F(AgentProcessTest, DisplaysOpenNoFontAndNoImagePlugin)
{
    send(QStringLiteral("dpi-up"));
    send(QStringLiteral("profile 3"));
    ASSERT_TRUE(agent.waitForLine(QStringLiteral("OSD P4")));
    ASSERT_EQ(agent.actionsStartingWith(QStringLiteral("OSD dpi")).size(), 1);
    const QString mapped = agent.mappedFiles();
    ASSERT_FALSE(mapped.isEmpty());
    EXPECT_FALSE(mapped.contains(QLatin1String(".ttf")));
    EXPECT_FALSE(mapped.contains(QLatin1String(".otf")));
    EXPECT_FALSE(mapped.contains(QLatin1String("imageformats")));
}

TEST_F(AgentProcessTest, ConfigurationButtonStartsTheApplication)
{
    const QString marker = folder + QStringLiteral("/application-started");
    const QString entry = installApplication(QStringLiteral("touch %1").arg(marker));
    ASSERT_FALSE(entry.isEmpty());

    // Right5 of factory profile 1 (firmware slot 7) is the configuration button.
    send(QStringLiteral("profile 0"));
    send(QStringLiteral("button 7"));
    ASSERT_TRUE(agent.waitForLine(QStringLiteral("LAUNCH ") + entry));
    EXPECT_TRUE(waitUntil([&] { return QFileInfo::exists(marker); }, WaitMs));
}

// A desktop session that asks Qt programs for the GTK theme and an input
// method.
class AgentInADesktopSessionTest : public AgentProcessTest
{
protected:
    void prepareAgent() override
    {
        agent.setVariable(QStringLiteral("QT_QPA_PLATFORMTHEME"), QStringLiteral("gtk3"));
        agent.setVariable(QStringLiteral("QT_IM_MODULE"), QStringLiteral("ibus"));
        agent.setVariable(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("GNOME"));
    }
};

// The agent needs neither (where the GTK theme is installed it would hold all
// of GTK, and end the agent when there is no X display), but the programs it
// launches get the session's variables as they were.
TEST_F(AgentInADesktopSessionTest, LoadsNoThemeOrInputMethodAndLaunchesWithTheSessionsVariables)
{
    const QString marker = folder + QStringLiteral("/environment");
    ASSERT_FALSE(installApplication(QStringLiteral("sh -c 'env > %1'").arg(marker)).isEmpty());
    send(QStringLiteral("profile 0"));
    send(QStringLiteral("button 7"));
    ASSERT_TRUE(waitUntil([&] { return QFileInfo(marker).size() > 0; }, WaitMs));

    const QString mapped = agent.mappedFiles();
    ASSERT_FALSE(mapped.isEmpty());
    EXPECT_FALSE(mapped.contains(QLatin1String("platformthemes")));
    EXPECT_FALSE(mapped.contains(QLatin1String("platforminputcontexts")));
    EXPECT_FALSE(mapped.contains(QLatin1String("libgtk")));

    const QStringList variables = QString::fromLocal8Bit(readFile(marker)).split(u'\n');
    EXPECT_TRUE(variables.contains(QStringLiteral("QT_QPA_PLATFORMTHEME=gtk3")));
    EXPECT_TRUE(variables.contains(QStringLiteral("QT_IM_MODULE=ibus")));
}

QString writeScript(const QString &path, const QString &marker, QFileDevice::Permissions extra = {})
{
    writeFile(path, QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | extra);
    return path;
}

// The application binds a stored profile to a slot and tells the agent to
// reload (message 101); from then on the slot's launcher opens that
// profile's path.
TEST_F(AgentProcessTest, LauncherButtonOpensThePathOfTheProfileBoundToItsSlotOnceReloaded)
{
    const QString marker = folder + QStringLiteral("/game-started");
    const QString script = writeScript(folder + QStringLiteral("/game.sh"), marker);
    bindLauncherProfile(script);

    // Still the slot's factory profile, whose button launches nothing.
    send(QStringLiteral("button 9"));
    // 0x80 + 11 * 2 + 9 = 0x9F
    ASSERT_TRUE(agent.waitForLine(QStringLiteral("Daemon Rec a4 0 20 0 0 9f 0 0")));
    reloadAgent();
    send(QStringLiteral("button 9"));
    ASSERT_TRUE(agent.waitForLine(QStringLiteral("LAUNCH ") + script));
    EXPECT_EQ(agent.actionsStartingWith(QStringLiteral("LAUNCH")).size(), 1);
    EXPECT_TRUE(waitUntil([&] { return QFileInfo::exists(marker); }, WaitMs));
}

// orvexctl binds a stored profile with a launcher to a slot and writes it:
// the running agent learns of the new binding without being restarted.
TEST_F(AgentProcessTest, AProfileAppliedByOrvexctlIsTheOneTheAgentLaunchesFrom)
{
    constexpr int Slot = 3;
    constexpr int ButtonSlot = 10;
    const int buttonIndex = MemoryMap::getBtnIndexBy2(ButtonSlot);
    const QString marker = folder + QStringLiteral("/tool-started");
    const QString script = folder + QStringLiteral("/tool.sh");
    writeFile(script, QStringLiteral("#!/bin/sh\ntouch '%1'\n").arg(marker).toUtf8());
    QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);

    ProfieController *controller = ProfieController::getShareProCon();
    const ProfileValuePtr profile = controller->addProfileByName(QStringLiteral("Tools"), nullptr);
    ORVEX_PROFILE data = profile->profileData();
    BTN_INFO &button = data.btnInfo[buttonIndex];
    button.FuncID = 15;
    button.FuncTableId = 15;
    button.btnType = 3;
    const QByteArray path = script.toUtf8();
    std::copy(path.begin(), path.end(), button.app_path);
    profile->setProfileData(data);
    ASSERT_TRUE(controller->saveToSys());

    const int reloads = reloadsSoFar();
    ASSERT_EQ(runCtl({QStringLiteral("apply"), QStringLiteral("Tools"), QStringLiteral("--slot"),
                      QString::number(Slot)}),
              0);
    ASSERT_TRUE(waitForReloads(reloads));
    send(QStringLiteral("profile %1").arg(Slot));
    send(QStringLiteral("button %1").arg(ButtonSlot));
    ASSERT_TRUE(agent.waitForLine(QStringLiteral("LAUNCH ") + script));
    EXPECT_TRUE(waitUntil([&] { return QFileInfo::exists(marker); }, WaitMs));
}

// A program anyone may rewrite is not started from a launcher button.
TEST_F(AgentProcessTest, LauncherButtonRefusesAProgramOthersMayChange)
{
    const QString marker = folder + QStringLiteral("/game-started");
    const QString script =
        writeScript(folder + QStringLiteral("/game.sh"), marker, QFileDevice::WriteOther);
    bindLauncherProfile(script);
    reloadAgent();
    send(QStringLiteral("button 9"));
    const QString refusal =
        QStringLiteral("launcher not started, writable by group or others: ") + script;
    EXPECT_TRUE(waitUntil(
        [&] {
            const QStringList lines = agent.lines();
            return std::any_of(lines.cbegin(), lines.cend(),
                               [&](const QString &line) { return line.endsWith(refusal); });
        },
        WaitMs));
    EXPECT_TRUE(agent.actionsStartingWith(QStringLiteral("LAUNCH")).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(marker));
}

TEST_F(AgentProcessTest, UnplugAndPlugArePostedToTheApplication)
{
    send(QStringLiteral("unplug"));
    ASSERT_TRUE(agent.waitForLine(QStringLiteral("STATUS 100")));
    send(QStringLiteral("plug"));
    ASSERT_TRUE(agent.waitForLine(QStringLiteral("STATUS 101")));
    ASSERT_TRUE(waitUntil([&] { return spy->statuses.size() == 2; }, WaitMs));
    EXPECT_EQ(spy->statuses[0], (QVariantMap{{QStringLiteral("type"), 100}}));
    EXPECT_EQ(spy->statuses[1], (QVariantMap{{QStringLiteral("type"), 101}}));
}

TEST_F(AgentProcessTest, SettingMessagesFromBusClientsSwitchAndDriveTheDisplay)
{
    postSetting(QStringLiteral("110"), QStringLiteral("{'value1': <false>}"));
    postSetting(QStringLiteral("111"), QStringLiteral("{'value1': <1>, 'value2': <1>}"));
    // Signals of the wrong shape are dropped without harm.
    ASSERT_EQ(runClient(QStringLiteral("dbus-send"),
                        {QStringLiteral("--session"), QStringLiteral("--type=signal"),
                         QLatin1String(notify::BusPath),
                         QStringLiteral("com.kelto.orvex.OrvexSettingChange"),
                         QStringLiteral("string:111")}),
              0);
    postSetting(QStringLiteral("110"), QStringLiteral("{'value1': <true>}"));
    // A value of another type is dropped: no kind, no display.
    postSetting(QStringLiteral("111"), QStringLiteral("{'value1': <'1'>, 'value2': <2>}"));
    postSetting(QStringLiteral("111"), QStringLiteral("{'value1': <2>, 'value2': <1>}"));
    postSetting(QStringLiteral("111"), QStringLiteral("{'value1': <3>, 'value2': <1>, "
                                                      "'value3': <32>, 'value4': <16>}"));

    ASSERT_TRUE(agent.waitForLine(QStringLiteral("OSD dpi 1 32 16")));
    EXPECT_EQ(agent.actionsStartingWith(QStringLiteral("OSD")),
              (QStringList{QStringLiteral("OSD battle"), QStringLiteral("OSD dpi 1 32 16")}));
}

TEST_F(AgentProcessTest, ASecondAgentInTheSessionLeaves)
{
    AgentProcess second;
    second.launch(bus.address(), mouse->socketPath);
    int exitCode = -1;
    ASSERT_TRUE(second.waitForExit(&exitCode));
    EXPECT_EQ(exitCode, 0);

    send(QStringLiteral("profile 1"));
    ASSERT_TRUE(agent.waitForLine(QStringLiteral("OSD P2")));
    EXPECT_TRUE(second.actions().isEmpty());
}

} // namespace
} // namespace orvex::test
