// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/MemoryMap.h"
#include "device/FirmwareFunctionTable.h"
#include "platform/KeyCodeTable.h"
#include "profile/ProfileRecords.h"

#include <gtest/gtest.h>

using orvex::MemoryMap;

TEST(MemoryMap, ProfileBlocksSkipTheGapBeforeProfileThree)
{
    const std::uint16_t expected[] = {0x10E, 0x15E, 0x1AE, 0x20E, 0x25E};
    for (int p = 0; p < 5; ++p)
        EXPECT_EQ(MemoryMap::getOffsetAdrBy(0x10E, p), expected[p]) << "profile " << p;
    // The last profile's last parameter byte stays below the macro headers.
    EXPECT_LT(MemoryMap::getOffsetAdrBy(0x144, 4), 0x300);
}

TEST(MemoryMap, ButtonSlotsAndColoursAreBijections)
{
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(MemoryMap::getBtnIndexBy2(MemoryMap::getBtnIndexBy(i)), i);
    EXPECT_EQ(MemoryMap::getBtnIndexBy(3), 4);
    EXPECT_EQ(MemoryMap::getBtnIndexBy(11), 0);
    EXPECT_EQ(MemoryMap::getBtnIndexBy2(-1), 0);

    for (int i = 1; i <= 7; ++i)
        EXPECT_EQ(MemoryMap::getColorIndex2(MemoryMap::getColorIndex(i)), i);
    EXPECT_EQ(MemoryMap::getColorIndex(1), 1);
    EXPECT_EQ(MemoryMap::getColorIndex(0), 0);
    EXPECT_EQ(MemoryMap::getColorIndex(8), 0);
    EXPECT_EQ(MemoryMap::getColorIndex2(0), 0);
}

TEST(MemoryMap, RepeatModesRoundTripThroughMacroTypes)
{
    EXPECT_EQ(MemoryMap::getMacroType(0), 5);
    for (int mode = 0; mode <= 3; ++mode)
        EXPECT_EQ(MemoryMap::getMacroType2(MemoryMap::getMacroType(mode)), mode);
    EXPECT_EQ(MemoryMap::getMacroType(4), 0);
    EXPECT_EQ(MemoryMap::getBtnTypePro(6), 2);
    EXPECT_EQ(MemoryMap::getBtnTypePro(15), 3);
    EXPECT_EQ(MemoryMap::getBtnTypePro(1), 1);
}

// A macro's third parameter byte is its macro id, whatever KeyBit[2] holds;
// every other class stores KeyBit as it is.
TEST(MemoryMap, FirmwareFunctionOfAButtonRecord)
{
    orvex::BTN_INFO button{};
    button.FuncTableId = orvex::fwfunc::Macro;
    button.KeyBit[0] = 2;
    button.KeyBit[1] = 3;
    button.KeyBit[2] = 5;
    button.KeyBit[3] = 0x1FF; // only the low byte travels
    button.MacroID = 7;
    EXPECT_EQ(MemoryMap::firmwareFunction(button),
              (orvex::FirmwareFunction{orvex::fwfunc::Macro, {2, 3, 7, 0xFF}}));

    button.FuncTableId = orvex::fwfunc::Keyboard;
    EXPECT_EQ(MemoryMap::firmwareFunction(button),
              (orvex::FirmwareFunction{orvex::fwfunc::Keyboard, {2, 3, 5, 0xFF}}));
}

TEST(MemoryMap, FirmwareKeyCodes)
{
    EXPECT_EQ(MemoryMap::GetFWKeyCode(0), 4);     // A
    EXPECT_EQ(MemoryMap::GetFWKeyCode(55), 0x73); // Command
    EXPECT_EQ(MemoryMap::GetFWKeyCode(59), 0x70); // Control
    EXPECT_EQ(MemoryMap::GetFWKeyCode(54), 0);    // right Command has no code
    EXPECT_EQ(MemoryMap::GetFWKeyCode(42), 49);   // first pair of a shared key wins
    // "=" and keypad "+" are distinct keys; the ISO section key is usage 100.
    EXPECT_EQ(MemoryMap::GetFWKeyCode(24), 46);
    EXPECT_EQ(MemoryMap::GetFWKeyCode(69), 87);
    EXPECT_EQ(MemoryMap::GetFWKeyCode(10), 100);
}

TEST(MemoryMap, FirmwareKeyCodesAgreeWithThePublicKeyTable)
{
    // Every key of the firmware's range (usages 4..101) maps to the usage the
    // public tables give for its virtual key; the two "\" usages share one
    // virtual key, and the first pair wins.
    int checked = 0;
    for (const auto &key : orvex::KeyCodeTable::all()) {
        if (key.usage > 101 || key.usage == 50)
            continue;
        const int code = MemoryMap::GetFWKeyCode(key.macVirtualKey);
        if (code == 0)
            continue;
        EXPECT_EQ(code, key.usage) << "virtual key " << int(key.macVirtualKey);
        ++checked;
    }
    EXPECT_GT(checked, 90);
}

TEST(MemoryMap, MacroEventBytes)
{
    EXPECT_EQ(MemoryMap::macroEventByte(0, 0), 0x04);   // A down
    EXPECT_EQ(MemoryMap::macroEventByte(0, 1), 0x84);   // A up
    EXPECT_EQ(MemoryMap::macroEventByte(55, 0), 0x73);  // Command down
    EXPECT_EQ(MemoryMap::macroEventByte(55, 1), 0xF3);  // Command up
    EXPECT_EQ(MemoryMap::macroEventByte(120, 3), 0x78); // left mouse button down
    EXPECT_EQ(MemoryMap::macroEventByte(120, 4), 0xF8); // left mouse button up
    EXPECT_EQ(MemoryMap::macroEventByte(122, 4), 0xFA); // middle up
}
