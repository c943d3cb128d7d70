// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>

#include <cstdint>
#include <span>
#include <string_view>

namespace orvex {

// The physical keys the suite can name, record and send, one row per key.
//
// Macro files and the function catalogue store macOS virtual key codes (the
// unit the files have always used); Linux key events arrive as evdev codes;
// the mouse's firmware speaks HID keyboard usages. This table is the one place
// that links the three, and gives each key a stable lower-case name for
// readable files and the command line ("f1", "pageup", "kpplus", "rctrl").
// Key names never contain '+' or white space, so "ctrl+shift+z" splits cleanly.
class KeyCodeTable
{
public:
    struct Key
    {
        std::uint8_t usage;         // HID usage on the keyboard page (0x07)
        std::uint16_t evdev;        // Linux input event code (KEY_*)
        std::uint8_t macVirtualKey; // macOS virtual key code, the stored unit
        std::string_view name;      // lower-case ASCII, unique
        std::string_view displayName;
    };

    static std::span<const Key> all();

    // Each lookup answers nullptr for a code or name the table does not hold.
    static const Key *byUsage(int usage);
    static const Key *byEvdev(int code);
    static const Key *byMacVirtualKey(int code);
    // Case-insensitive; also accepts a few common spellings ("esc", "return",
    // "control", "super", ...) that resolve to the canonical row.
    static const Key *byName(QStringView name);
};

} // namespace orvex
