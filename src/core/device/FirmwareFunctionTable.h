// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <optional>

namespace orvex {

// What the firmware does with a button: its function-class byte (stored per
// button slot, and as FuncTableId in a profile) and four parameter bytes p0..p3.
// This table is the single description of those bytes; the virtual mouse, the
// shipped catalogue and the factory profiles are all written against it.
namespace fwfunc {

enum Class : std::uint8_t
{
    Disabled = 0,      // the button does nothing
    MouseButton = 1,   // p0 = button mask (MouseLeft | ...)
    Keyboard = 2,      // p0 = modifier mask (Mod*), p1..p3 = HID key usages (0 or 255 = none)
    Media = 3,         // p0 = consumer usage low byte, p1 = high byte
    Dpi = 4,           // p0 = DpiUp | DpiDown | DpiCycle
    ProfileSwitch = 5, // p0 = ProfileNext | ProfilePrevious
    Macro = 6,         // p0 = repeat mode 0..3, p1 = repeat count, p2 = macro id (MacroIdParam)
    Wheel = 7,         // p0 = WheelUp | WheelDown | WheelLeft | WheelRight
    ConfigApp = 8,     // starts the configuration application: a button input report
    Launcher = 15,     // starts an application: a button input report naming the slot
};

// Class MouseButton, p0.
constexpr std::uint8_t MouseLeft = 0x01;
constexpr std::uint8_t MouseRight = 0x02;
constexpr std::uint8_t MouseMiddle = 0x04;
constexpr std::uint8_t MouseBack = 0x08;    // shown as "Page UP(Win)"
constexpr std::uint8_t MouseForward = 0x10; // shown as "Page Down(Win)"

// Class Keyboard, p0: the HID boot-keyboard modifier byte.
constexpr std::uint8_t ModLeftControl = 0x01;
constexpr std::uint8_t ModLeftShift = 0x02;
constexpr std::uint8_t ModLeftAlt = 0x04;
constexpr std::uint8_t ModLeftGui = 0x08;
constexpr std::uint8_t ModRightControl = 0x10;
constexpr std::uint8_t ModRightShift = 0x20;
constexpr std::uint8_t ModRightAlt = 0x40;
constexpr std::uint8_t ModRightGui = 0x80;
constexpr std::uint8_t NoKey = 0xFF;

// Class Media, p0/p1: HID consumer-page usages.
constexpr std::uint16_t MediaPlayPause = 0x00CD;
constexpr std::uint16_t MediaNext = 0x00B5;
constexpr std::uint16_t MediaPrevious = 0x00B6;
constexpr std::uint16_t MediaStop = 0x00B7;
constexpr std::uint16_t MediaMute = 0x00E2;
constexpr std::uint16_t MediaVolumeUp = 0x00E9;
constexpr std::uint16_t MediaVolumeDown = 0x00EA;

// Class Dpi, p0.
constexpr std::uint8_t DpiUp = 1;
constexpr std::uint8_t DpiDown = 2;
constexpr std::uint8_t DpiCycle = 3;

// Class ProfileSwitch, p0.
constexpr std::uint8_t ProfileNext = 1;
constexpr std::uint8_t ProfilePrevious = 2;

// Class Wheel, p0.
constexpr std::uint8_t WheelUp = 1;
constexpr std::uint8_t WheelDown = 2;
constexpr std::uint8_t WheelLeft = 3;
constexpr std::uint8_t WheelRight = 4;

// Class Macro: the parameter byte that holds the macro id.
constexpr std::size_t MacroIdParam = 2;

} // namespace fwfunc

// One button function as the firmware stores it.
struct FirmwareFunction
{
    std::uint8_t functionClass = fwfunc::Disabled;
    std::array<std::uint8_t, 4> params{};

    bool operator==(const FirmwareFunction &) const = default;
};

class FirmwareFunctionTable
{
public:
    // Whether the firmware knows the class byte.
    static bool isKnownClass(std::uint8_t functionClass);
    // A short English description of a function, for logs, orvexctl and the
    // virtual mouse's messages ("Mouse button: left", "Key: Ctrl+C", ...).
    static QString describe(const FirmwareFunction &function);
    static QString className(std::uint8_t functionClass);

    // Readable function names, as used by the factory-profile source and the
    // command line: "mouse:left", "key:ctrl+shift+z", "media:volume-up",
    // "dpi:cycle", "profile:next", "wheel:up", "config-app", "launcher",
    // "disabled". Macros are not named this way. On failure answers nothing
    // and sets *error.
    static std::optional<FirmwareFunction> parse(const QString &text, QString *error);
};

} // namespace orvex
