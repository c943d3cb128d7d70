// SPDX-License-Identifier: GPL-3.0-or-later
// The mirror of the mouse's memory in a program that imported the five
// profiles, as the application does, while the agent runs and other
// programs reach the same mouse: what the mouse did by itself and what the
// others wrote is heard on the session bus, and the next apply writes what
// the mirror can no longer vouch for.
#include "AgentProcess.h"
#include "PrivateBus.h"
#include "TestEnvironment.h"
#include "VirtualMouseProcess.h"

#include "OrvexAction.h"
#include "catalogue/Catalogue.h"
#include "device/DeviceMirror.h"
#include "device/DeviceSelector.h"
#include "device/OnboardProfile.h"
#include "device/WritePlan.h"
#include "messaging/DeviceWriteNotice.h"
#include "profile/ProfieController.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

namespace orvex::test {
namespace {

constexpr int WaitMs = 10000;

class MirrorAcrossProgramsTest : public ::testing::Test
{
protected:
    // One bus for the program: the core reaches it as the session bus, whose
    // connection is made once.
    static void SetUpTestSuite()
    {
        bus = new PrivateBus;
        ASSERT_TRUE(bus->start());
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus->address().toUtf8());
    }

    static void TearDownTestSuite()
    {
        delete bus;
        bus = nullptr;
    }

    void SetUp() override
    {
        OrvexAction::resetState();
        folder = freshFolder(QStringLiteral("mirror"));
        mouse = std::make_unique<VirtualMouseProcess>(folder);
        ASSERT_TRUE(mouse->start());
        ASSERT_TRUE(agent.start(bus->address(), mouse->socketPath))
            << agent.lines().join(u'\n').toStdString();
        DeviceSelector::setProcessOption(QStringLiteral("sim:") + mouse->socketPath);
        OrvexAction::startListenDev();
        ASSERT_TRUE(DeviceWriteNotice::isWatching());
        OrvexAction::setReportPause(std::chrono::milliseconds(0));
        OrvexAction::setSettlePause(std::chrono::milliseconds(0));
        Catalogue::initMenuList();
        // The agent's Reset at its start may be heard only now.
        waitFor([] { return false; }, 200);
        ASSERT_TRUE(OrvexAction::getAllFWData());
        ProfileState::getShareProCon()->setCurrFWProfileIndex(Slot);
        ASSERT_GT(DeviceMirror::knownBytes(), 0);
    }

    void TearDown() override
    {
        OrvexAction::resetState();
        mouse->stop(SIGTERM);
    }

    static bool waitFor(const std::function<bool()> &condition, int timeoutMs = WaitMs)
    {
        return waitUntil(condition, timeoutMs);
    }

    int runCtl(const QStringList &arguments)
    {
        QProcess ctl;
        ctl.start(
            QStringLiteral(ORVEXCTL_PATH),
            QStringList{QStringLiteral("--device"), QStringLiteral("sim:") + mouse->socketPath} +
                arguments);
        ctl.waitForFinished(30000);
        return ctl.exitStatus() == QProcess::NormalExit ? ctl.exitCode() : -1;
    }

    // The write requests in the mouse's trace from line `from` on, as the
    // addresses they wrote.
    QList<std::uint16_t> writesFrom(qsizetype from) const
    {
        QList<std::uint16_t> writes;
        const QStringList lines = mouse->traceLines();
        for (qsizetype i = from; i < lines.size(); ++i) {
            const QStringList fields = lines[i].split(u' ');
            if (fields.size() == 10 && fields[1] == QLatin1String("SET") &&
                fields[2] == QLatin1String("DE"))
                writes << std::uint16_t(fields[3].toInt(nullptr, 16) |
                                        (fields[5].toInt(nullptr, 16) << 8));
        }
        return writes;
    }

    qsizetype traceLength() const { return mouse->traceLines().size(); }

    static WritePlan wholeProfile()
    {
        const ProfileValuePtr profile = ProfileState::getShareProCon()->currProfile();
        return OnboardProfile{Slot, profile->name(), ProfileState::selProfile}.plan();
    }

    // The slot holds every byte of the whole profile of this program.
    static void expectSlotHoldsWholeProfile()
    {
        const WritePlan plan = wholeProfile();
        for (const WritePlan::Write &write : plan.writes())
            EXPECT_EQ(OrvexAction::readByteChecked(write.address), write.value) << write.address;
    }

    // The active onboard profile of the factory image, whose DPI stage the
    // mouse's own buttons move.
    static constexpr int Slot = 0;
    static PrivateBus *bus;
    QString folder;
    std::unique_ptr<VirtualMouseProcess> mouse;
    AgentProcess agent;
};

PrivateBus *MirrorAcrossProgramsTest::bus = nullptr;

// The agent relays the stage change; the performance byte is forgotten, so
// the settings apply puts this program's stage back on the mouse.
TEST_F(MirrorAcrossProgramsTest, ADpiStageChangedOnTheMouseIsWrittenByTheNextSettingsApply)
{
    const std::uint16_t performance = MemoryMap::getOffsetAdrBy(fwmem::Performance, Slot);
    ASSERT_TRUE(DeviceMirror::byteAt(performance));
    ASSERT_EQ(mouse->send({QStringLiteral("dpi-up")}), 0);
    ASSERT_TRUE(waitFor([&] { return !DeviceMirror::byteAt(performance); }));
    EXPECT_GT(DeviceMirror::knownBytes(), 0) << "only the performance bytes are forgotten";

    const qsizetype from = traceLength();
    ASSERT_TRUE(OrvexAction::setCurrSettingToDev());
    EXPECT_EQ(writesFrom(from), QList<std::uint16_t>{performance});
    expectSlotHoldsWholeProfile();
}

TEST_F(MirrorAcrossProgramsTest, AfterUnplugAndPlugTheNextApplyIsAFullWrite)
{
    ASSERT_EQ(mouse->send({QStringLiteral("unplug")}), 0);
    ASSERT_EQ(mouse->send({QStringLiteral("plug")}), 0);
    ASSERT_TRUE(waitFor([] { return DeviceMirror::knownBytes() == 0; }));
    // The agent's Reset after the plug, heard too, must not come mid-apply.
    waitFor([] { return false; }, 300);

    const qsizetype from = traceLength();
    ASSERT_TRUE(OrvexAction::applyFWData());
    EXPECT_EQ(writesFrom(from).size(), wholeProfile().size());
}

// Another program's write, then its whole apply of another profile to the
// same slot: each time this program drops its mirror, and its next apply
// rewrites the slot whole, never leaving a mix of the two profiles. The
// signal may come late; the device lock's stamp never does.
TEST_F(MirrorAcrossProgramsTest, AnotherProgramWritingMakesTheNextApplyAFullWrite)
{
    // This program's own writes are not news to it.
    ProfileState::selProfile.liftHeight ^= 1;
    ASSERT_TRUE(OrvexAction::setCurrSettingToDev());
    waitFor([] { return false; }, 300);
    ASSERT_GT(DeviceMirror::knownBytes(), 0);

    const std::uint16_t zone = MemoryMap::getOffsetAdrBy(fwmem::LedZones, Slot);
    const std::uint8_t held = *DeviceMirror::byteAt(zone);
    ASSERT_EQ(
        runCtl({QStringLiteral("write"), QString::number(zone), QString::number(held ^ 0x01)}), 0);
    // At once, before the signal can be heard: the stamp on the device lock
    // tells the apply that another program changed the mouse.
    qsizetype from = traceLength();
    ASSERT_TRUE(OrvexAction::applyFWData());
    EXPECT_EQ(writesFrom(from).size(), wholeProfile().size());

    // Now the signal alone: nothing of this program touches the mouse while
    // it waits.
    ASSERT_GT(DeviceMirror::knownBytes(), 0);
    ASSERT_EQ(runCtl({QStringLiteral("apply"), QStringLiteral("Media"), QStringLiteral("--slot"),
                      QString::number(Slot)}),
              0);
    ASSERT_TRUE(waitFor([] { return DeviceMirror::knownBytes() == 0; }));
    from = traceLength();
    ASSERT_TRUE(OrvexAction::applyFWData());
    EXPECT_EQ(writesFrom(from).size(), wholeProfile().size());
    expectSlotHoldsWholeProfile();
}

} // namespace
} // namespace orvex::test
