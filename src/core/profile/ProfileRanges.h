// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/MemoryMap.h"

#include "profile/ProfileRecords.h"

#include <QStringList>

#include <cstdint>

namespace orvex {

// The values a profile's fields may hold, where the mouse gives them a fixed
// number of bits or the palette a fixed number of colours. A profile file
// from elsewhere may hold anything; mended on load, no value ever spills
// into a neighbouring field of the mouse's memory.
class ProfileRanges
{
public:
    static constexpr std::uint32_t MaxReportRate = 3;  // 0 125 Hz .. 3 1000 Hz, 2 bits
    static constexpr std::uint32_t MaxLiftHeight = 31; // 5 bits beside the lift-off mark
    static constexpr std::uint32_t MinDpiValue = 1;    // 50 DPI
    static constexpr std::uint32_t MaxDpiValue = 164;  // 8200 DPI
    static constexpr std::uint32_t MaxColourIndex = PaletteColourCount - 1;
    // The active stage shares the performance byte with the report rate.
    static constexpr std::uint32_t MaxDpiStage = DpiStageCount - 1;
    static constexpr std::uint32_t MinButtonType = MemoryMap::SingleButtonType;
    static constexpr std::uint32_t MaxButtonType = MemoryMap::LauncherButtonType;

    // Brings every field out of range to the nearest valid value; a button
    // type, which only names the button's function class, is taken from
    // that class instead. Answers one phrase per mended field, such as
    // "liftHeight 40 out of range, using 31".
    static QStringList clamp(ORVEX_PROFILE &profile);
};

} // namespace orvex
