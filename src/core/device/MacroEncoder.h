// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace orvex {

class MacroInfo;

// A macro as the mouse stores it in its 256-byte macro data area: one byte
// per key or mouse-button event (release = code with bit 7 set), a pause as
// 0x01 followed by its length in 25 ms units (1..255). Combination steps
// expand into the presses of their keys, then the releases in reverse order.
class MacroEncoder
{
public:
    // The macro's bytes, never more than the data area holds: a macro that
    // does not fit is cut before the first step that would overflow it.
    static QByteArray encode(const MacroInfo &macro);
    // The pause byte for `delayMs` (> 0): delay / 25, at least 1, at most 255.
    static std::uint8_t pauseUnits(int delayMs);
};

} // namespace orvex
