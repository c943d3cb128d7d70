// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/MemoryMap.h"

#include "device/DeviceLink.h"
#include "device/FirmwareFunctionTable.h"
#include "profile/ProfileRecords.h"

#include <array>
#include <utility>

namespace orvex {

namespace {

// Firmware slot of each profile button index (LeftClick .. DPI left).
constexpr std::array<int, 11> FirmwareSlotOfButton = {0, 2, 1, 4, 3, 8, 7, 5, 6, 9, 10};

// Firmware colour code of each palette index (red, purple, blue, light blue,
// white, yellow, green).
constexpr std::array<int, 7> ColourCodeOfPalette = {1, 5, 4, 6, 7, 3, 2};

// Firmware macro type of each repeat mode.
constexpr std::array<int, 4> MacroTypeOfRepeatMode = {5, 12, 7, 4};

// Modifier keys have fixed firmware codes instead of their HID usages.
constexpr std::array<std::pair<int, int>, 7> ModifierCodes = {{
    {59, 0x70}, // Control
    {56, 0x71}, // Shift
    {58, 0x72}, // Option
    {55, 0x73}, // Command
    {60, 0x75}, // right Shift
    {61, 0x76}, // right Option
    {62, 0x77}, // right Control
}};

// (HID keyboard usage, macOS virtual key) pairs, searched in order by virtual
// key, so the first pair of a virtual key wins. "=" (usage 46) is virtual key
// 24 and the ISO section key (usage 100) is virtual key 10; the modifier pairs
// at the end are never reached because ModifierCodes catches them first.
constexpr std::array<std::pair<int, int>, 105> UsageOfVirtualKey = {{
    {4, 0},    {5, 11},    {6, 8},    {7, 2},    {8, 14},   {9, 3},    {10, 5},   {11, 4},
    {12, 34},  {13, 38},   {14, 40},  {15, 37},  {16, 46},  {17, 45},  {18, 31},  {19, 35},
    {20, 12},  {21, 15},   {22, 1},   {23, 17},  {24, 32},  {25, 9},   {26, 13},  {27, 7},
    {28, 16},  {29, 6},    {30, 18},  {31, 19},  {32, 20},  {33, 21},  {34, 23},  {35, 22},
    {36, 26},  {37, 28},   {38, 25},  {39, 29},  {40, 36},  {41, 53},  {42, 51},  {43, 48},
    {44, 49},  {45, 27},   {46, 24},  {47, 33},  {48, 30},  {49, 42},  {50, 42},  {51, 41},
    {52, 39},  {53, 50},   {54, 43},  {55, 47},  {56, 44},  {57, 57},  {58, 122}, {59, 120},
    {60, 99},  {61, 118},  {62, 96},  {63, 97},  {64, 98},  {65, 100}, {66, 101}, {67, 109},
    {68, 103}, {69, 111},  {70, 105}, {71, 107}, {72, 113}, {73, 114}, {74, 115}, {75, 116},
    {76, 117}, {77, 119},  {78, 121}, {79, 124}, {80, 123}, {81, 125}, {82, 126}, {83, 71},
    {84, 75},  {85, 67},   {86, 78},  {87, 69},  {88, 76},  {89, 83},  {90, 84},  {91, 85},
    {92, 86},  {93, 87},   {94, 88},  {95, 89},  {96, 91},  {97, 92},  {98, 82},  {99, 65},
    {100, 10}, {101, 110}, {224, 59}, {225, 56}, {226, 58}, {227, 55}, {228, 62}, {229, 60},
    {230, 61},
}};

constexpr int MacroStepKeyPress = 0;
constexpr int MacroStepKeyRelease = 1;
constexpr int MacroStepMouseUp = 4;

} // namespace

std::uint16_t MemoryMap::getOffsetAdrBy(std::uint16_t address, int profile)
{
    const int skipped = profile >= fwmem::ProfileGapFrom ? fwmem::ProfileGapSize : 0;
    return std::uint16_t(address + fwmem::ProfileBlockSize * profile + skipped);
}

int MemoryMap::getBtnIndexBy(int buttonIndex)
{
    if (buttonIndex < 0 || buttonIndex >= int(FirmwareSlotOfButton.size()))
        return 0;
    return FirmwareSlotOfButton[size_t(buttonIndex)];
}

int MemoryMap::getBtnIndexBy2(int slot)
{
    for (size_t i = 0; i < FirmwareSlotOfButton.size(); ++i) {
        if (FirmwareSlotOfButton[i] == slot)
            return int(i);
    }
    return 0;
}

int MemoryMap::getColorIndex(int paletteIndexPlusOne)
{
    if (paletteIndexPlusOne < 1 || paletteIndexPlusOne > int(ColourCodeOfPalette.size()))
        return 0;
    return ColourCodeOfPalette[size_t(paletteIndexPlusOne - 1)];
}

int MemoryMap::getColorIndex2(int colourCode)
{
    for (size_t i = 0; i < ColourCodeOfPalette.size(); ++i) {
        if (ColourCodeOfPalette[i] == colourCode)
            return int(i) + 1;
    }
    return 0;
}

int MemoryMap::getMacroType(int repeatMode)
{
    if (repeatMode < 0 || repeatMode >= int(MacroTypeOfRepeatMode.size()))
        return 0;
    return MacroTypeOfRepeatMode[size_t(repeatMode)];
}

int MemoryMap::getMacroType2(int macroType)
{
    // Type 5 (mode 0) falls to the default on purpose: unknown types read as mode 0.
    switch (macroType) {
    case 4:
        return 3;
    case 7:
        return 2;
    case 12:
        return 1;
    default:
        return 0;
    }
}

int MemoryMap::getBtnTypePro(int functionClass)
{
    switch (functionClass) {
    case fwfunc::Macro:
        return MacroButtonType;
    case fwfunc::Launcher:
        return LauncherButtonType;
    default:
        return SingleButtonType;
    }
}

FirmwareFunction MemoryMap::firmwareFunction(const BTN_INFO &button)
{
    FirmwareFunction function{std::uint8_t(button.FuncTableId), {}};
    for (std::size_t k = 0; k < function.params.size(); ++k) {
        const bool macroId = button.FuncTableId == fwfunc::Macro && k == fwfunc::MacroIdParam;
        function.params[k] = std::uint8_t(macroId ? button.MacroID : button.KeyBit[k]);
    }
    return function;
}

int MemoryMap::GetFWKeyCode(int virtualKey)
{
    for (const auto &[vk, code] : ModifierCodes) {
        if (vk == virtualKey)
            return code;
    }
    for (const auto &[usage, vk] : UsageOfVirtualKey) {
        if (vk == virtualKey)
            return usage & 0xFF;
    }
    return 0;
}

std::uint8_t MemoryMap::macroEventByte(int code, int kind)
{
    int value = code;
    if (kind == MacroStepKeyPress || kind == MacroStepKeyRelease)
        value = GetFWKeyCode(code);
    if (kind == MacroStepKeyRelease || kind == MacroStepMouseUp)
        value = (value - 128) & 0xFF;
    return std::uint8_t(value);
}

void MemoryMap::setMacroKeyData(int code, int kind, std::uint16_t *address)
{
    DeviceLink::setAdrrData(macroEventByte(code, kind), *address);
    ++*address;
}

} // namespace orvex
