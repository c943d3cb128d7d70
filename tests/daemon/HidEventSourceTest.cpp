// SPDX-License-Identifier: GPL-3.0-or-later
// The real mouse's event source against a double of hidapi whose reads block
// like hidraw's: which nodes are read, reports reaching the main thread, and
// presence following the configuration interface through plug and unplug.
#include "FakeHidBus.h"
#include "VirtualMouseProcess.h"

#include "HidEventSource.h"

#include <QCoreApplication>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>

namespace orvex::test {
namespace {

constexpr std::pair<unsigned short, unsigned short> VendorUsage{0xFF00, 0x01};
constexpr std::pair<unsigned short, unsigned short> MouseUsage{0x01, 0x02};
constexpr std::pair<unsigned short, unsigned short> KeyboardUsage{0x01, 0x06};

const FakeHidBus::Node ConfigurationNode{"/dev/hidraw0", 0, {VendorUsage}};
const FakeHidBus::Node PointerNode{"/dev/hidraw1", 1, {MouseUsage}};
const FakeHidBus::Node MixedNode{"/dev/hidraw2", 2, {MouseUsage, KeyboardUsage}};

class HidEventSourceTest : public ::testing::Test
{
protected:
    bool start()
    {
        DeviceEventSource::Callbacks callbacks;
        callbacks.report = [this](const Report &report) {
            reports.push_back(report);
            onMainThread &= QThread::currentThread() == QCoreApplication::instance()->thread();
        };
        callbacks.presence = [this](bool present) { presence.push_back(present); };
        return source.start(std::move(callbacks));
    }

    static QList<QByteArray> sorted(QList<QByteArray> paths)
    {
        std::sort(paths.begin(), paths.end());
        return paths;
    }

    FakeHidBus bus;
    HidEventSource source{0x12CF, 0x0219, bus.api()};
    std::vector<Report> reports;
    std::vector<bool> presence;
    bool onMainThread = true;
};

TEST_F(HidEventSourceTest, ReadsEveryNodeButThoseThatOnlyMoveThePointer)
{
    bus.setNodes({ConfigurationNode, PointerNode, MixedNode});
    EXPECT_TRUE(start());
    EXPECT_EQ(sorted(source.readPaths()), (QList<QByteArray>{"/dev/hidraw0", "/dev/hidraw2"}));
}

TEST_F(HidEventSourceTest, ReportsArriveOnTheMainThreadPaddedToEightBytes)
{
    bus.setNodes({ConfigurationNode});
    ASSERT_TRUE(start());
    bus.sendReport("/dev/hidraw0", {0xA4, 0x01, 0x30, 0, 0, 0, 0, 0});
    bus.sendReport("/dev/hidraw0", {0xA4, 0x02, 0x21});
    ASSERT_TRUE(waitUntil([&] { return reports.size() == 2; }));
    EXPECT_EQ(reports[0], (Report{0xA4, 0x01, 0x30, 0, 0, 0, 0, 0}));
    EXPECT_EQ(reports[1], (Report{0xA4, 0x02, 0x21, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(onMainThread);
    EXPECT_TRUE(presence.empty()); // the state at start is answered, not reported
}

TEST_F(HidEventSourceTest, PresenceFollowsTheConfigurationInterfaceThroughUnplugAndPlug)
{
    EXPECT_FALSE(start());
    bus.setNodes({PointerNode});
    source.rescan();
    EXPECT_TRUE(presence.empty());

    bus.setNodes({ConfigurationNode, PointerNode});
    source.rescan();
    EXPECT_EQ(presence, std::vector<bool>{true});

    bus.unplugAll();
    source.rescan();
    EXPECT_EQ(presence, (std::vector<bool>{true, false}));
    // The reader ends by itself once its node is gone.
    EXPECT_TRUE(waitUntil([&] { return source.readPaths().isEmpty() && bus.openHandles() == 0; }));
}

TEST_F(HidEventSourceTest, NodeBackUnderTheSameNameBeforeItsReaderEndedGetsANewReader)
{
    bus.setNodes({ConfigurationNode});
    ASSERT_TRUE(start());
    bus.unplugAll();
    bus.setNodes({ConfigurationNode});
    source.rescan(); // the old reader has not reported its end yet
    ASSERT_TRUE(waitUntil([&] { return bus.openedPaths().size() == 2; }));

    bus.sendReport("/dev/hidraw0", {0xA4, 0x01, 0x10, 0, 0, 0, 0, 0});
    EXPECT_TRUE(waitUntil([&] { return reports.size() == 1; }));
    EXPECT_EQ(source.readPaths(), QList<QByteArray>{"/dev/hidraw0"});
}

} // namespace
} // namespace orvex::test
