// SPDX-License-Identifier: GPL-3.0-or-later
// The agent following its login session through a stand-in for logind: the
// real mouse's readers close while another session is in front and open
// again when this one returns; the built agent leaves the virtual mouse
// alone the same way.
#include "AgentProcess.h"
#include "FakeHidBus.h"
#include "FakeLogind.h"
#include "PrivateBus.h"
#include "TestEnvironment.h"
#include "VirtualMouseProcess.h"

#include "HidEventSource.h"
#include "LogindSession.h"
#include "WexUSBDealwithObj.h"
#include "WexUSBListen.h"

#include <gtest/gtest.h>

namespace orvex::test {
namespace {

const FakeHidBus::Node ConfigurationNode{"/dev/hidraw0", 0, {{0xFF00, 0x01}}};

struct Handled
{
    std::vector<Report> reports;
    int inits = 0;
};

class RecordingHandler : public WexUSBDealwithObj
{
public:
    explicit RecordingHandler(Handled *handled) : m_handled(handled) {}
    bool openDeviceWhenAdd() override { return false; }
    void didEndInit() override { ++m_handled->inits; }
    void dealWithMsg(const Report &report) override { m_handled->reports.push_back(report); }

private:
    Handled *m_handled;
};

class LogindSessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Found as the agent the systemd user manager starts: in no session.
        qunsetenv("XDG_SESSION_ID");
        ASSERT_TRUE(bus.start());
        ASSERT_TRUE(logind.start(bus.address()));
        hid.setNodes({ConfigurationNode});
    }
    void TearDown() override { listener->resetState(); }

    void listen()
    {
        auto source = std::make_unique<HidEventSource>(0x12CF, 0x0219, hid.api());
        this->source = source.get();
        listener->setEventSource(std::move(source));
        listener->setLoginSession(std::make_unique<LogindSession>(bus.connection()));
        listener->setSelDealMessage(std::make_unique<RecordingHandler>(&handled));
        ASSERT_TRUE(listener->beginListen());
    }

    void press(std::uint8_t value) { hid.sendReport("/dev/hidraw0", {0xA4, 0x01, value}); }

    PrivateBus bus;
    FakeLogind logind;
    FakeHidBus hid;
    WexUSBListen *listener = WexUSBListen::shareUsbListen();
    HidEventSource *source = nullptr;
    Handled handled;
};

TEST_F(LogindSessionTest, ReadersCloseWhileTheSessionIsInTheBackgroundAndReopenInFront)
{
    listen();
    ASSERT_EQ(hid.openHandles(), 1);
    press(0x10);
    ASSERT_TRUE(waitUntil([&] { return handled.reports.size() == 1; }));

    logind.setActive(false);
    ASSERT_TRUE(waitUntil([&] { return source->readPaths().isEmpty(); }));
    // The reader's thread was blocked in its read: it drops this report and
    // lets go of the node.
    press(0x20);
    EXPECT_TRUE(waitUntil([&] { return hid.openHandles() == 0; }));

    logind.setActive(true);
    ASSERT_TRUE(waitUntil([&] { return hid.openHandles() == 1; }));
    press(0x30);
    ASSERT_TRUE(waitUntil([&] { return handled.reports.size() == 2; }));
    EXPECT_EQ(handled.reports[1][2], 0x30);
}

TEST_F(LogindSessionTest, AnAgentStartedInTheBackgroundOpensNoReaderUntilInFront)
{
    logind.setActive(false);
    listen();
    EXPECT_TRUE(listener->selDealMessage()->isOnDev()); // the mouse is there all the same
    EXPECT_EQ(hid.openHandles(), 0);
    EXPECT_EQ(handled.inits, 0); // which would reset the mouse

    logind.setActive(true);
    ASSERT_TRUE(waitUntil([&] { return hid.openHandles() == 1; }));
    EXPECT_EQ(handled.inits, 1);
    press(0x10);
    EXPECT_TRUE(waitUntil([&] { return handled.reports.size() == 1; }));
}

// The agent started by the entry of a session that logind knows by its id.
TEST(AgentInALoginSessionTest, HearsNoButtonWhileTheSessionIsInTheBackground)
{
    PrivateBus bus;
    FakeLogind logind;
    ASSERT_TRUE(bus.start());
    ASSERT_TRUE(logind.start(bus.address()));
    VirtualMouseProcess mouse(freshFolder(QStringLiteral("agent-session")));
    ASSERT_TRUE(mouse.start());
    AgentProcess agent;
    agent.setVariable(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"), bus.address());
    agent.setVariable(QStringLiteral("XDG_SESSION_ID"), QLatin1String(FakeLogind::SessionId));
    ASSERT_TRUE(agent.start(bus.address(), mouse.socketPath));
    const auto linesWith = [&](const char *text) {
        return agent.lines().filter(QLatin1String(text)).size();
    };

    logind.setActive(false);
    ASSERT_TRUE(waitUntil([&] { return linesWith("session in the background") == 1; }));
    ASSERT_EQ(mouse.send({QStringLiteral("profile"), QStringLiteral("3")}), 0);

    // Back in front, the agent takes up the stream again (and says so).
    logind.setActive(true);
    ASSERT_TRUE(waitUntil([&] { return linesWith("mouse plugged in") == 2; }));
    ASSERT_EQ(mouse.send({QStringLiteral("profile"), QStringLiteral("1")}), 0);
    ASSERT_TRUE(agent.waitForLine(QStringLiteral("OSD P2")));
    EXPECT_EQ(agent.actionsStartingWith(QStringLiteral("OSD")),
              QStringList{QStringLiteral("OSD P2")});
}

} // namespace
} // namespace orvex::test
