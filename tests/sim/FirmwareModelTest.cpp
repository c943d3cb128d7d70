// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirmwareModel.h"
#include "InProcessTransport.h"

#include "device/InputReport.h"
#include "profile/FactoryProfiles.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

using orvex::InputReport;
using orvex::Report;
using orvex::sim::FirmwareModel;
using orvex::sim::FirmwareObserver;
using orvex::sim::InProcessTransport;
using orvex::sim::ReportDirection;

namespace {

Report writeReport(int address, int data)
{
    return {0xDE, std::uint8_t(address), std::uint8_t(data), std::uint8_t(address >> 8), 0, 0, 0,
            0};
}

Report readRequest(int address)
{
    return {0xDF, std::uint8_t(address), 0, std::uint8_t(address >> 8), 0, 0, 0, 0};
}

const Report Reload{0xC4, 0x00, 0, 0, 0, 0, 0, 0};
const Report Reset{0xC4, 0x01, 0, 0, 0, 0, 0, 0};

// Addresses of profile 0's block; the others follow 80 bytes apart, with 16
// bytes skipped before profile 3.
int blockAddress(int profile0Address, int profile)
{
    return profile0Address + 80 * profile + (profile >= 3 ? 16 : 0);
}

constexpr int Performance = 0x100;
constexpr int DpiXOfStage0 = 0x101;
constexpr int DpiYOfStage0 = 0x106;
constexpr int ClassOfSlot0 = 0x10E;
constexpr int ParamsOfSlot0 = 0x119;

class FirmwareModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        transport.open();
        FirmwareObserver observer;
        observer.inputReport = [this](const Report &report) { inputs.push_back(report); };
        observer.plugChanged = [this](bool plugged) { plugChanges.push_back(plugged); };
        observer.appliedMemoryChanged = [this] { ++appliedChanges; };
        model().addObserver(observer);
    }

    FirmwareModel &model() { return transport.model(); }

    int read(int address)
    {
        Report answer{};
        EXPECT_TRUE(transport.sendFeatureReport(readRequest(address)));
        EXPECT_TRUE(transport.getFeatureReport(answer));
        return answer[1];
    }

    void write(int address, int data)
    {
        EXPECT_TRUE(transport.sendFeatureReport(writeReport(address, data)));
    }

    // Stores a function for a firmware slot of a profile and applies it.
    void assign(int profile, int slot, int functionClass, int firstParam)
    {
        write(blockAddress(ClassOfSlot0 + slot, profile), functionClass);
        write(blockAddress(ParamsOfSlot0 + 4 * slot, profile), firstParam);
        transport.sendFeatureReport(Reload);
    }

    InProcessTransport transport;
    std::vector<Report> inputs;
    std::vector<bool> plugChanges;
    int appliedChanges = 0;
};

} // namespace

TEST_F(FirmwareModelTest, FactoryImageHoldsTheFactoryProfilesAsTheFirmwareStoresThem)
{
    EXPECT_EQ(model().appliedByte(0x008C), 0x50);
    EXPECT_EQ(model().activeProfile(), 0);

    // Names as the import reads them: length, then a character every other byte.
    const QList<orvex::FactoryProfile> factory = orvex::FactoryProfiles::load();
    ASSERT_EQ(factory.size(), 5);
    for (const orvex::FactoryProfile &profile : factory) {
        const int slot = 0x3B00 + 64 * (profile.slot - 1);
        QString name;
        for (int i = 0; i < model().appliedByte(slot); ++i)
            name += QLatin1Char(char(model().appliedByte(slot + 1 + 2 * i)));
        EXPECT_EQ(name, profile.name);
    }

    // "Everyday": 1000 Hz (rate code 0), stage 1, 800 DPI = 16 units, all
    // zones blue (palette 2 -> code 4) in normal mode, lift-off 2.
    EXPECT_EQ(model().appliedByte(0x100), 0x81);
    EXPECT_EQ(model().appliedByte(0x101), 16);
    EXPECT_EQ(model().appliedByte(0x106), 16);
    EXPECT_EQ(model().appliedByte(0x10C), 0x14);
    EXPECT_EQ(model().appliedByte(0x008E), 0x22);
    // Right4 (button 5) is firmware slot 8: profile next.
    EXPECT_EQ(model().appliedByte(0x10E + 8), 5);
    EXPECT_EQ(model().appliedByte(0x119 + 4 * 8), 1);
    // "Shooter": battle mode, red (palette 0 -> code 1).
    EXPECT_EQ(model().appliedByte(0x150 + 12), 0x31);
    // "Creative" lives after the gap: 500 Hz (code 1), stage 0, 600 DPI.
    EXPECT_EQ(model().appliedByte(0x200), 0x88);
    EXPECT_EQ(model().appliedByte(0x201), 12);
    // "Media": zone 1 (at +13) is off.
    EXPECT_EQ(model().appliedByte(0x250 + 13), 0x00);
}

TEST_F(FirmwareModelTest, WritesAreReadBackAndAppliedOnlyByReload)
{
    const int original = model().appliedByte(0x0123);
    write(0x0123, 0xAB);
    EXPECT_EQ(read(0x0123), 0xAB);
    EXPECT_EQ(model().appliedByte(0x0123), original);
    EXPECT_EQ(appliedChanges, 0);

    ASSERT_TRUE(transport.sendFeatureReport(Reload));
    EXPECT_EQ(model().appliedByte(0x0123), 0xAB);
    EXPECT_EQ(appliedChanges, 1);

    // The answer to a read request names the byte and its address.
    Report answer{};
    transport.sendFeatureReport(readRequest(0x0123));
    transport.getFeatureReport(answer);
    EXPECT_EQ(answer, (Report{0xDF, 0xAB, 0x23, 0x01, 0, 0, 0, 0}));
}

TEST_F(FirmwareModelTest, ResetForgetsWritesNotYetApplied)
{
    write(0x0200, 0x11);
    transport.sendFeatureReport(Reload);
    write(0x0200, 0x22);
    write(0x3B00, 0x07);
    ASSERT_TRUE(transport.sendFeatureReport(Reset));
    EXPECT_EQ(read(0x0200), 0x11);
    EXPECT_EQ(read(0x3B00), 8); // "Everyday"
}

TEST_F(FirmwareModelTest, AddressesBeyondTheMemoryAndUnknownCommandsAreIgnored)
{
    write(0x0000, 0x5A);
    write(0x4000, 0xEE); // must not wrap onto 0x0000
    write(0xFFFF, 0xEE);
    EXPECT_EQ(read(0x0000), 0x5A);
    EXPECT_EQ(read(0x4000), 0);
    EXPECT_EQ(read(0x3FFF), 0);

    const QByteArray before = model().appliedImage();
    EXPECT_TRUE(transport.sendFeatureReport({0x12, 0x34, 0x56, 0x78, 0, 0, 0, 0}));
    EXPECT_TRUE(transport.sendFeatureReport({0xC4, 0x55, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(transport.sendFeatureReport({0xC4, 0x07, 5, 0, 0, 0, 0, 0}));
    EXPECT_EQ(model().appliedImage(), before);
}

TEST_F(FirmwareModelTest, SelectProfileUpdatesBothMemoriesWithoutAnInputReport)
{
    write(0x0300, 0x99); // pending, must stay pending
    ASSERT_TRUE(transport.sendFeatureReport({0xC4, 0x07, 0x02, 0, 0, 0, 0, 0}));
    EXPECT_EQ(model().appliedByte(0x008C), 0x52);
    EXPECT_EQ(model().writtenByte(0x008C), 0x52);
    EXPECT_EQ(model().activeProfile(), 2);
    EXPECT_EQ(model().appliedByte(0x0300), 0);
    EXPECT_TRUE(inputs.empty());
}

TEST_F(FirmwareModelTest, DpiButtonsMoveTheStageWithinItsRangeAndReportIt)
{
    // Everyday starts at stage 1; its stages are 800, 1600, 2400, 3200 DPI.
    ASSERT_TRUE(model().pressDpiUp());
    ASSERT_TRUE(model().pressDpiUp());
    ASSERT_TRUE(model().pressDpiUp());
    EXPECT_EQ(model().activeStage(), 3);
    EXPECT_EQ(model().appliedByte(Performance), 0x83);
    EXPECT_EQ(model().writtenByte(Performance), 0x83);
    ASSERT_EQ(inputs.size(), 3u);
    EXPECT_EQ(inputs[1], (Report{0xA4, 0x02, 0x03, 64, 64, 0, 0, 0}));
    EXPECT_EQ(inputs[2], inputs[1]); // at the top the stage stays 3

    model().switchProfile(3); // Creative: stage 0, 600 DPI
    inputs.clear();
    model().pressDpiDown();
    EXPECT_EQ(model().activeStage(), 0);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0], (Report{0xA4, 0x02, 0x30, 12, 12, 0, 0, 0}));
}

TEST_F(FirmwareModelTest, ProfileButtonCyclesThroughTheFiveProfiles)
{
    model().switchProfile(4);
    EXPECT_EQ(inputs.back(), (Report{0xA4, 0x01, 0x40, 0, 0, 0, 0, 0}));
    model().pressProfileButton();
    EXPECT_EQ(model().activeProfile(), 0);
    EXPECT_EQ(model().appliedByte(0x008C), 0x50);
    EXPECT_EQ(inputs.back(), (Report{0xA4, 0x01, 0x00, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(model().switchProfile(5));
    EXPECT_GE(appliedChanges, 2);
}

TEST_F(FirmwareModelTest, ButtonsReportWhatTheirAppliedFunctionClassSays)
{
    // Everyday: slot 7 (Right5) starts the configuration application, slot 5
    // (DPI up) is DPI up, slot 8 (Right4) is profile next, slot 0 a click.
    model().pressButton(7);
    model().pressButton(5);
    model().pressButton(0);
    model().pressButton(8);
    ASSERT_EQ(inputs.size(), 3u);
    EXPECT_EQ(inputs[0], (Report{0xA4, 0x00, 0x00, 0, 0, 0x00, 0, 0}));
    EXPECT_EQ(inputs[1], (Report{0xA4, 0x02, 0x02, 48, 48, 0, 0, 0}));
    EXPECT_EQ(inputs[2], (Report{0xA4, 0x01, 0x10, 0, 0, 0, 0, 0}));

    // A launcher on profile 2, slot 4: written, not yet applied, then applied.
    model().switchProfile(2);
    inputs.clear();
    write(blockAddress(ClassOfSlot0 + 4, 2), 15);
    model().pressButton(4);
    EXPECT_TRUE(inputs.empty());
    transport.sendFeatureReport(Reload);
    model().pressButton(4);
    ASSERT_EQ(inputs.size(), 1u);
    EXPECT_EQ(inputs[0], (Report{0xA4, 0x00, 0x20, 0, 0, 0x80 + 22 + 4, 0, 0}));

    assign(2, 9, 5, 2); // profile previous
    model().pressButton(9);
    EXPECT_EQ(model().activeProfile(), 1);
    EXPECT_FALSE(model().pressButton(11));
}

// The firmware's encoding and the host's decoder are written apart on
// purpose; every event of every profile and slot has to read back as meant.
TEST_F(FirmwareModelTest, HostDecoderReadsEveryEventAsTheFirmwareMeantIt)
{
    for (int profile = 0; profile < 5; ++profile) {
        SCOPED_TRACE(profile);
        inputs.clear();
        model().switchProfile(profile);
        model().pressDpiUp();
        ASSERT_EQ(inputs.size(), 2u);
        const InputReport changed(inputs[0]);
        EXPECT_EQ(changed.subKind(), InputReport::ProfileChanged);
        EXPECT_TRUE(changed.namesProfile());
        EXPECT_EQ(changed.profile(), profile);
        const InputReport dpi(inputs[1]);
        EXPECT_EQ(dpi.subKind(), InputReport::DpiStageChanged);
        EXPECT_EQ(dpi.profile(), profile);
        EXPECT_EQ(dpi.stage(), model().activeStage());
        EXPECT_EQ(dpi.x(), model().appliedByte(blockAddress(DpiXOfStage0 + dpi.stage(), profile)));
        EXPECT_EQ(dpi.y(), model().appliedByte(blockAddress(DpiYOfStage0 + dpi.stage(), profile)));

        for (int slot = 0; slot < 11; ++slot) {
            assign(profile, slot, 15, 0); // launcher
            inputs.clear();
            model().pressButton(slot);
            ASSERT_EQ(inputs.size(), 1u);
            const InputReport launcher(inputs[0]);
            EXPECT_TRUE(launcher.isEvent());
            EXPECT_EQ(launcher.subKind(), InputReport::ButtonPressed);
            EXPECT_EQ(launcher.profile(), profile);
            EXPECT_FALSE(launcher.isConfigurationButton());
            EXPECT_EQ(launcher.launcherSlot(), std::optional<int>(slot));
        }
        assign(profile, 0, 8, 0); // configuration application
        inputs.clear();
        model().pressButton(0);
        ASSERT_EQ(inputs.size(), 1u);
        EXPECT_TRUE(InputReport(inputs[0]).isConfigurationButton());
    }
}

TEST_F(FirmwareModelTest, UnpluggedMouseAnswersNothingAndReportsNothing)
{
    std::vector<QString> trace;
    model().setTraceSink([&trace](ReportDirection direction, const Report &) {
        trace.push_back(direction == ReportDirection::In ? QStringLiteral("IN")
                                                         : QStringLiteral("HOST"));
    });

    model().unplug();
    model().unplug();
    Report answer{1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_FALSE(transport.isPresent());
    EXPECT_FALSE(transport.sendFeatureReport(writeReport(0x0123, 0xAB)));
    EXPECT_FALSE(transport.getFeatureReport(answer));
    EXPECT_EQ(answer, (Report{1, 2, 3, 4, 5, 6, 7, 8}));
    EXPECT_FALSE(model().pressDpiUp());
    EXPECT_FALSE(model().pressProfileButton());
    EXPECT_TRUE(inputs.empty());
    EXPECT_TRUE(trace.empty());

    model().plug();
    EXPECT_TRUE(transport.sendFeatureReport(writeReport(0x0123, 0xAB)));
    EXPECT_EQ(plugChanges, (std::vector<bool>{false, true}));
    EXPECT_EQ(trace.size(), 1u);

    transport.close();
    EXPECT_FALSE(transport.sendFeatureReport(Reload));
}

TEST(FirmwareModelImage, ImageOfTheWrongSizeGivesTheFactoryImage)
{
    const FirmwareModel factory;
    const FirmwareModel shortImage(QByteArray(100, '\x01'));
    EXPECT_EQ(shortImage.appliedImage(), factory.appliedImage());

    QByteArray custom(0x4000, '\0');
    custom[0x008C] = char(0x53);
    const FirmwareModel fromImage(custom);
    EXPECT_EQ(fromImage.activeProfile(), 3);
    EXPECT_EQ(fromImage.writtenByte(0x008C), 0x53);
}
