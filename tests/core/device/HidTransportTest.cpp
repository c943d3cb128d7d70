// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeHidLibrary.h"

#include "device/HidTransport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace orvex {
namespace {

using test::FakeHidLibrary;
using Bytes = FakeHidLibrary::Bytes;
using Paths = std::vector<std::string>;

constexpr std::uint16_t VendorId = 0x12CF;
constexpr std::uint16_t ProductId = 0x0219;
constexpr std::size_t FeatureBufferLength = 9;

// The mouse as the hidraw backend lists it: boot-mouse and keyboard interfaces
// beside the configuration interface, which appears twice because it carries
// two top-level collections.
std::vector<FakeHidLibrary::Node> typicalMouse()
{
    return {{"/dev/hidraw4", 1}, {"/dev/hidraw3", 0}, {"/dev/hidraw5", 2}, {"/dev/hidraw3", 0}};
}

class HidTransportTest : public ::testing::Test
{
protected:
    void SetUp() override { fake.nodes = typicalMouse(); }
    void TearDown() override { EXPECT_EQ(fake.unfreedEnumerations, 0); }

    HidTransport::PhysicalPathReader physicalPaths()
    {
        return [this](const QByteArray &path) { return fake.physicalPath(path); };
    }

    FakeHidLibrary fake;
    std::optional<HidTransport> transport{std::in_place, VendorId, ProductId, fake.api(),
                                          physicalPaths()};
};

// The first report opens the mouse; later calls and open() reuse the handle,
// and the transport closes it when it goes.
TEST_F(HidTransportTest, SetPrefixesReportIdZeroAndSendsNineBytes)
{
    ASSERT_TRUE(transport->sendFeatureReport({0xDE, 0x23, 0xAB, 0x01, 0x00, 0x00, 0x00, 0x7F}));
    ASSERT_TRUE(transport->open());
    ASSERT_TRUE(transport->sendFeatureReport({0xC4}));

    ASSERT_EQ(fake.sends.size(), 2u);
    EXPECT_EQ(fake.sends[0], (Bytes{0x00, 0xDE, 0x23, 0xAB, 0x01, 0x00, 0x00, 0x00, 0x7F}));
    EXPECT_EQ(fake.sends[1], (Bytes{0x00, 0xC4, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(fake.openedPaths.size(), 1u);
    transport.reset();
    EXPECT_EQ(fake.openHandles(), 0);
}

TEST_F(HidTransportTest, GetAsksWithReportIdZeroAndReturnsTheBytesAfterIt)
{
    fake.answer = {0xDF, 0x5A, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07};
    Report report{};

    ASSERT_TRUE(transport->getFeatureReport(report));

    ASSERT_EQ(fake.gets.size(), 1u);
    EXPECT_EQ(fake.gets[0].size(), FeatureBufferLength);
    EXPECT_EQ(fake.gets[0][0], 0x00);
    EXPECT_EQ(report, (Report{0xDF, 0x5A, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07}));
}

// -1 is hidapi's error; any count short of 9 means the report did not go
// through whole, even when the mouse scribbled into the buffer.
TEST_F(HidTransportTest, FailedOrShortTransfersFailAndLeaveTheReportAlone)
{
    const Report original{0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88};
    fake.answer = Bytes(8, 0xEE);
    for (const int result : {-1, 0, 1, 8}) {
        SCOPED_TRACE(result);
        fake.sendResults = {result};
        fake.getResults = {result};
        Report report = original;
        EXPECT_FALSE(transport->sendFeatureReport(original));
        EXPECT_FALSE(transport->getFeatureReport(report));
        EXPECT_EQ(report, original);
    }
}

TEST_F(HidTransportTest, ChoosesInterfaceZeroWhateverTheListOrder)
{
    std::vector<FakeHidLibrary::Node> nodes = typicalMouse();
    const auto byPath = [](const auto &a, const auto &b) { return a.path < b.path; };
    std::sort(nodes.begin(), nodes.end(), byPath);
    do {
        fake.nodes = nodes;
        fake.openedPaths.clear();
        HidTransport fresh(VendorId, ProductId, fake.api());

        ASSERT_TRUE(fresh.open());
        EXPECT_EQ(fake.openedPaths, Paths{"/dev/hidraw3"});
        EXPECT_EQ(fresh.describe(), QStringLiteral("USB mouse 12CF:0219 at /dev/hidraw3"));
    } while (std::next_permutation(nodes.begin(), nodes.end(), byPath));
}

// A kernel HID device behind no USB interface (one made through uhid) is
// listed with interface -1: it is taken when it carries the vendor page, and
// only then. Where the system reports interfaces, only interface 0 counts,
// whatever its usage pages.
TEST_F(HidTransportTest, WithoutAUsbInterfaceTakesOnlyTheNodeOnTheVendorPage)
{
    const std::string phys = "uhid/input0";
    const struct
    {
        std::vector<FakeHidLibrary::Node> nodes;
        Paths opened;
    } cases[] = {
        {{{"/dev/hidraw1", -1, phys, 0x0001}, {"/dev/hidraw2", -1, phys, 0xFF00}},
         {"/dev/hidraw2"}},
        {{{"/dev/hidraw1", -1, phys, 0x0001}, {"/dev/hidraw2", -1, phys, 0xFF01}}, {}},
        {{{"/dev/hidraw4", 1, phys, 0xFF00}, {"/dev/hidraw3", 0, phys, 0x0001}}, {"/dev/hidraw3"}},
    };
    for (const auto &[nodes, opened] : cases) {
        SCOPED_TRACE(nodes.front().path + " " + nodes.back().path);
        fake.nodes = nodes;
        fake.openedPaths.clear();
        HidTransport fresh(VendorId, ProductId, fake.api());
        EXPECT_EQ(fresh.open(), !opened.empty());
        EXPECT_EQ(fake.openedPaths, opened);
    }
}

TEST_F(HidTransportTest, WithoutAUsableConfigurationInterfaceEveryReportFails)
{
    for (const bool nodeExists : {false, true}) {
        SCOPED_TRACE(nodeExists ? "node cannot be opened" : "no interface 0");
        fake.nodes = {{"/dev/hidraw4", 1}, {"/dev/hidraw5", 2}};
        if (nodeExists)
            fake.nodes.push_back({"/dev/hidraw3", 0});
        fake.openFails = nodeExists;
        HidTransport fresh(VendorId, ProductId, fake.api());
        Report report{0x42};

        EXPECT_FALSE(fresh.open());
        EXPECT_FALSE(fresh.isPresent());
        EXPECT_FALSE(fresh.sendFeatureReport({}));
        EXPECT_FALSE(fresh.getFeatureReport(report));
        EXPECT_EQ(report, Report{0x42});
        EXPECT_TRUE(fake.sends.empty() && fake.gets.empty());
        EXPECT_EQ(fake.openHandles(), 0);
        if (!nodeExists) {
            EXPECT_TRUE(fake.openedPaths.empty());
            EXPECT_EQ(fresh.describe(), QStringLiteral("USB mouse 12CF:0219 (not found)"));
        }
    }
}

// Unplugged and plugged back in: the old handle fails; within the transfer
// only the same device is reopened, and a new transfer finds the mouse at its
// new node.
TEST_F(HidTransportTest, AFailedTransferReopensOnlyTheSameDevice)
{
    fake.getResults = {-1};
    Report report{};
    ASSERT_FALSE(transport->getFeatureReport(report));
    EXPECT_EQ(fake.openHandles(), 0);
    ASSERT_TRUE(transport->sendFeatureReport({0xC4})) << "same node, same physical path";

    fake.sendResults = {-1};
    ASSERT_FALSE(transport->sendFeatureReport({0xC4}));
    fake.nodes = {{"/dev/hidraw7", 0}};
    EXPECT_FALSE(transport->sendFeatureReport({0xC4}));

    transport->beginTransfer();
    ASSERT_TRUE(transport->sendFeatureReport({0xC4}));
    EXPECT_EQ(fake.openedPaths, (Paths{"/dev/hidraw3", "/dev/hidraw3", "/dev/hidraw7"}));
    EXPECT_EQ(transport->describe(), QStringLiteral("USB mouse 12CF:0219 at /dev/hidraw7"));
}

// Two mice: the one in use is replugged during a transfer, and the other one
// is still there, or has taken over the freed node name. The rest of the
// transfer goes to neither.
TEST_F(HidTransportTest, AReplugMidTransferNeverReachesTheOtherMouse)
{
    const FakeHidLibrary::Node first{"/dev/hidraw3", 0, "usb-0000:00:14.0-1/input0"};
    const FakeHidLibrary::Node second{"/dev/hidraw8", 0, "usb-0000:00:14.0-2/input0"};
    const FakeHidLibrary::Node secondAtFirstsNode{"/dev/hidraw3", 0, second.physicalPath};
    for (const auto &bus : {std::vector{second}, std::vector{secondAtFirstsNode}}) {
        fake.nodes = {first, second};
        fake.openedPaths.clear();
        HidTransport fresh(VendorId, ProductId, fake.api(), physicalPaths());
        ASSERT_TRUE(fresh.sendFeatureReport({0xDE}));
        fake.sendResults = {-1};
        ASSERT_FALSE(fresh.sendFeatureReport({0xDE}));

        fake.nodes = bus;
        const std::size_t sent = fake.sends.size();
        EXPECT_FALSE(fresh.sendFeatureReport({0xDE}));
        EXPECT_EQ(fake.sends.size(), sent);
        EXPECT_EQ(fake.openedPaths, Paths{"/dev/hidraw3"});
    }
}

TEST_F(HidTransportTest, PresenceFollowsTheBusWhileOpen)
{
    ASSERT_TRUE(transport->isPresent());
    fake.nodes.clear();
    EXPECT_FALSE(transport->isPresent());
    EXPECT_EQ(fake.openHandles(), 0);
    fake.nodes = typicalMouse();
    EXPECT_TRUE(transport->isPresent());
    EXPECT_EQ(fake.openHandles(), 1);
}

} // namespace
} // namespace orvex
