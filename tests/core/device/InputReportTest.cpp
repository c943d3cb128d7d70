// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/InputReport.h"

#include <gtest/gtest.h>

#include <optional>

using orvex::InputReport;
using orvex::Report;

TEST(InputReport, DpiReportCarriesProfileStageAndResolutionBytes)
{
    const InputReport dpi(Report{0xA4, 0x02, 0x21, 0x10, 0x20, 0, 0, 0});
    EXPECT_TRUE(dpi.isEvent());
    EXPECT_EQ(dpi.subKind(), InputReport::DpiStageChanged);
    EXPECT_EQ(dpi.profile(), 2);
    EXPECT_EQ(dpi.stage(), 1);
    EXPECT_EQ(dpi.x(), 0x10);
    EXPECT_EQ(dpi.y(), 0x20);

    EXPECT_FALSE(InputReport(Report{0xB4, 0x02, 0x21}).isEvent());
}

// The profile byte of a profile change is profile * 16; from 0x50 up it
// names none of the five profiles.
TEST(InputReport, ProfileByteNamesOneOfFiveProfiles)
{
    for (int profile = 0; profile < 5; ++profile) {
        const InputReport changed(Report{0xA4, 0x01, std::uint8_t(profile * 16)});
        EXPECT_EQ(changed.subKind(), InputReport::ProfileChanged);
        EXPECT_EQ(changed.profile(), profile);
        EXPECT_TRUE(changed.namesProfile());
    }
    for (const std::uint8_t byte : {0x50, 0x5F, 0xF0})
        EXPECT_FALSE(InputReport(Report{0xA4, 0x01, byte}).namesProfile()) << int(byte);
}

// Byte 5 of a button report: the configuration button, or a launcher whose
// code counts 11 slots per profile from 0x80.
TEST(InputReport, ButtonCodesNameTheConfigurationButtonOrALauncherSlotOfTheirProfile)
{
    const auto button = [](int profile, int code) {
        return InputReport(
            Report{0xA4, 0x00, std::uint8_t(profile << 4), 0, 0, std::uint8_t(code)});
    };
    EXPECT_TRUE(button(0, 0x00).isConfigurationButton());
    EXPECT_TRUE(button(3, 0xFF).isConfigurationButton());
    EXPECT_FALSE(button(0, 0x80).isConfigurationButton());

    EXPECT_EQ(button(1, 0x8F).launcherSlot(), std::optional<int>(4));
    EXPECT_EQ(button(0, 0x80).launcherSlot(), std::optional<int>(0));
    EXPECT_EQ(button(4, 0x80 + 44 + 10).launcherSlot(), std::optional<int>(10));
    for (const int code : {0x00, 0x7F, 0x80, 0x80 + 22, 0xFE}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(button(1, code).launcherSlot(), std::nullopt);
    }
    EXPECT_FALSE(button(1, 0x7F).isLauncherCode());
    EXPECT_TRUE(button(1, 0x80).isLauncherCode());
}
