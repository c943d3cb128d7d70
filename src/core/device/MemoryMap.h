// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace orvex {

struct BTN_INFO;
struct FirmwareFunction;

// Addresses of the mouse's configuration memory. Profile-relative addresses
// are given in profile 0's block; getOffsetAdrBy() moves them to profile p.
namespace fwmem {
constexpr std::uint16_t Size = 0x4000; // 16 KiB; higher addresses are not decoded

constexpr std::uint16_t ActiveProfile = 0x008C; // ActiveProfileMark | profile
constexpr std::uint8_t ActiveProfileMark = 0x50;
constexpr std::uint8_t ActiveProfileMask = 0x07; // the profile, when the byte is read back
constexpr std::uint16_t LiftOff = 0x008E;        // 0x20 | liftHeight (0..31)
constexpr std::uint8_t LiftOffMark = 0x20;
constexpr std::uint8_t LiftOffMask = 0x1F;

constexpr std::uint16_t ProfileBlock = 0x100; // 80 bytes per profile; 0x1F0..0x1FF skipped
constexpr std::uint16_t ProfileBlockSize = 80;
constexpr int ProfileGapFrom = 3;  // the blocks from profile 3 on lie ...
constexpr int ProfileGapSize = 16; // ... this many bytes further
constexpr int ProfileCount = 5;
constexpr int ButtonSlotCount = 11;

// Offsets inside a profile block.
constexpr std::uint16_t Performance = 0x100; // bit 7 set; bits 3-4 rate code; bits 0-2 DPI stage
constexpr std::uint8_t PerformanceMark = 0x80;
constexpr std::uint16_t DpiX = 0x101;      // 4 stages, in steps of DpiUnit
constexpr std::uint16_t DpiUnused = 0x105; // never written
constexpr std::uint16_t DpiY = 0x106;      // 4 stages, in steps of DpiUnit
constexpr int DpiStageCount = 4;
// A resolution byte counts in steps of this many DPI, wherever it travels:
// the DPI stages here, the profile's xSensArr/ySensArr and the DPI input report.
constexpr int DpiUnit = 50;
constexpr std::uint16_t LedZones = 0x10B; // zone i at LedZones + (i + 1) % 3
constexpr int LedZoneCount = 3;
constexpr std::uint8_t LedOff = 0x00;
constexpr std::uint8_t LedNormal = 0x10; // bits 4-5: 0x10 normal, 0x30 battle
constexpr std::uint8_t LedBattle = 0x30;
constexpr std::uint8_t LedModeMask = 0x30;
constexpr std::uint8_t LedColourMask = 0x07;
constexpr std::uint16_t ButtonClass = 0x10E;  // slot s at +s
constexpr std::uint16_t ButtonParams = 0x119; // slot s, byte k at +4s+k
constexpr int ButtonParamCount = 4;

// Macros: one per (profile, firmware slot), m = 11 * p + s.
constexpr std::uint16_t MacroHeaders = 0x300; // 4 bytes each
constexpr int MacroHeaderSize = 4;
constexpr std::uint16_t MacroData = 0x400; // 256 bytes each, ending at 0x3B00
constexpr int MacroDataSize = 256;
constexpr int MacroCount = ProfileCount * ButtonSlotCount;
constexpr std::uint8_t MacroHeaderMark = 0x02; // header byte +1
constexpr std::uint8_t MacroPauseEntry = 0x01; // followed by the pause in 25 ms units
constexpr int MacroPauseUnitMs = 25;
constexpr std::uint8_t MacroReleaseBit = 0x80;

// Profile names: slot p at 0x3B00 + 64p; +0 length, characters at +1, +3, ...
constexpr std::uint16_t NameSlots = 0x3B00;
constexpr int NameSlotSize = 64;
constexpr int NameMaxLength = 32;
} // namespace fwmem

// Firmware report-rate codes (bits 3-4 of the performance byte) are the
// reverse of the profile's poRate: 0 = 1000 Hz ... 3 = 125 Hz.
constexpr int reportRateHz(int poRate)
{
    constexpr int rates[] = {125, 250, 500, 1000};
    return poRate >= 0 && poRate < 4 ? rates[poRate] : 0;
}

// Pure translations between the profile's values and the firmware's bytes.
class MemoryMap
{
public:
    // x is an address in profile 0's block; the result is x + 80p, plus 16 when p >= 3.
    static std::uint16_t getOffsetAdrBy(std::uint16_t address, int profile);

    // Profile button index (0..10) <-> firmware button slot; other inputs give 0.
    static int getBtnIndexBy(int buttonIndex);
    static int getBtnIndexBy2(int slot);

    // Palette index + 1 (1..7) <-> firmware colour code; other inputs give 0.
    static int getColorIndex(int paletteIndexPlusOne);
    static int getColorIndex2(int colourCode);

    // Repeat-mode index (0..3) <-> firmware macro type.
    static int getMacroType(int repeatMode);
    static int getMacroType2(int macroType);

    // btnType of a button record, which the application's pages go by.
    enum ButtonType
    {
        SingleButtonType = 1,
        MacroButtonType = 2,
        LauncherButtonType = 3,
    };
    // Function class byte -> btnType: macro, launcher, or single for anything else.
    static int getBtnTypePro(int functionClass);

    // What the firmware stores for a button record: its class byte
    // (FuncTableId) and four parameter bytes, which are KeyBit[0..3] except
    // that a macro's third byte is the macro id (MacroID).
    static FirmwareFunction firmwareFunction(const BTN_INFO &button);

    // macOS virtual key code -> firmware key code (USB HID usage); 0 when unknown.
    static int GetFWKeyCode(int virtualKey);

    // The firmware byte of one macro event: a keyboard key (kinds 0, 1) is
    // translated, mouse buttons (3, 4) are not; releases set bit 7.
    static std::uint8_t macroEventByte(int code, int kind);

    // Writes macroEventByte(code, kind) at *address through the command
    // channel and advances *address by one.
    static void setMacroKeyData(int code, int kind, std::uint16_t *address);
};

} // namespace orvex
