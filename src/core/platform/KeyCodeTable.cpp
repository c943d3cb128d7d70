// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/KeyCodeTable.h"

#include <QLatin1String>

#include <algorithm>
#include <array>

namespace orvex {

namespace {

using Key = KeyCodeTable::Key;

// Values follow the public USB HID usage tables (keyboard page), the Linux
// evdev key codes and the macOS virtual key codes. Only keys that exist in all
// three are listed: a key without a macOS code could not be stored in a macro.
// Columns: usage, evdev, macOS virtual key, name, display name.
constexpr std::array<Key, 119> Keys{{
    {0x04, 30, 0, "a", "A"},
    {0x05, 48, 11, "b", "B"},
    {0x06, 46, 8, "c", "C"},
    {0x07, 32, 2, "d", "D"},
    {0x08, 18, 14, "e", "E"},
    {0x09, 33, 3, "f", "F"},
    {0x0A, 34, 5, "g", "G"},
    {0x0B, 35, 4, "h", "H"},
    {0x0C, 23, 34, "i", "I"},
    {0x0D, 36, 38, "j", "J"},
    {0x0E, 37, 40, "k", "K"},
    {0x0F, 38, 37, "l", "L"},
    {0x10, 50, 46, "m", "M"},
    {0x11, 49, 45, "n", "N"},
    {0x12, 24, 31, "o", "O"},
    {0x13, 25, 35, "p", "P"},
    {0x14, 16, 12, "q", "Q"},
    {0x15, 19, 15, "r", "R"},
    {0x16, 31, 1, "s", "S"},
    {0x17, 20, 17, "t", "T"},
    {0x18, 22, 32, "u", "U"},
    {0x19, 47, 9, "v", "V"},
    {0x1A, 17, 13, "w", "W"},
    {0x1B, 45, 7, "x", "X"},
    {0x1C, 21, 16, "y", "Y"},
    {0x1D, 44, 6, "z", "Z"},
    {0x1E, 2, 18, "1", "1"},
    {0x1F, 3, 19, "2", "2"},
    {0x20, 4, 20, "3", "3"},
    {0x21, 5, 21, "4", "4"},
    {0x22, 6, 23, "5", "5"},
    {0x23, 7, 22, "6", "6"},
    {0x24, 8, 26, "7", "7"},
    {0x25, 9, 28, "8", "8"},
    {0x26, 10, 25, "9", "9"},
    {0x27, 11, 29, "0", "0"},
    {0x28, 28, 36, "enter", "Enter"},
    {0x29, 1, 53, "escape", "Escape"},
    {0x2A, 14, 51, "backspace", "Backspace"},
    {0x2B, 15, 48, "tab", "Tab"},
    {0x2C, 57, 49, "space", "Space"},
    {0x2D, 12, 27, "minus", "-"},
    {0x2E, 13, 24, "equal", "="},
    {0x2F, 26, 33, "bracketleft", "["},
    {0x30, 27, 30, "bracketright", "]"},
    {0x31, 43, 42, "backslash", "\\"},
    {0x33, 39, 41, "semicolon", ";"},
    {0x34, 40, 39, "quote", "'"},
    {0x35, 41, 50, "grave", "`"},
    {0x36, 51, 43, "comma", ","},
    {0x37, 52, 47, "period", "."},
    {0x38, 53, 44, "slash", "/"},
    {0x39, 58, 57, "capslock", "Caps Lock"},
    {0x3A, 59, 122, "f1", "F1"},
    {0x3B, 60, 120, "f2", "F2"},
    {0x3C, 61, 99, "f3", "F3"},
    {0x3D, 62, 118, "f4", "F4"},
    {0x3E, 63, 96, "f5", "F5"},
    {0x3F, 64, 97, "f6", "F6"},
    {0x40, 65, 98, "f7", "F7"},
    {0x41, 66, 100, "f8", "F8"},
    {0x42, 67, 101, "f9", "F9"},
    {0x43, 68, 109, "f10", "F10"},
    {0x44, 87, 103, "f11", "F11"},
    {0x45, 88, 111, "f12", "F12"},
    {0x49, 110, 114, "insert", "Insert"},
    {0x4A, 102, 115, "home", "Home"},
    {0x4B, 104, 116, "pageup", "Page Up"},
    {0x4C, 111, 117, "delete", "Delete"},
    {0x4D, 107, 119, "end", "End"},
    {0x4E, 109, 121, "pagedown", "Page Down"},
    {0x4F, 106, 124, "right", "Right"},
    {0x50, 105, 123, "left", "Left"},
    {0x51, 108, 125, "down", "Down"},
    {0x52, 103, 126, "up", "Up"},
    {0x53, 69, 71, "numlock", "Num Lock"},
    {0x54, 98, 75, "kpslash", "Keypad /"},
    {0x55, 55, 67, "kpasterisk", "Keypad *"},
    {0x56, 74, 78, "kpminus", "Keypad -"},
    {0x57, 78, 69, "kpplus", "Keypad +"},
    {0x58, 96, 76, "kpenter", "Keypad Enter"},
    {0x59, 79, 83, "kp1", "Keypad 1"},
    {0x5A, 80, 84, "kp2", "Keypad 2"},
    {0x5B, 81, 85, "kp3", "Keypad 3"},
    {0x5C, 75, 86, "kp4", "Keypad 4"},
    {0x5D, 76, 87, "kp5", "Keypad 5"},
    {0x5E, 77, 88, "kp6", "Keypad 6"},
    {0x5F, 71, 89, "kp7", "Keypad 7"},
    {0x60, 72, 91, "kp8", "Keypad 8"},
    {0x61, 73, 92, "kp9", "Keypad 9"},
    {0x62, 82, 82, "kp0", "Keypad 0"},
    {0x63, 83, 65, "kpdot", "Keypad ."},
    {0x64, 86, 10, "intlbackslash", "Intl \\"},
    {0x65, 127, 110, "menu", "Menu"},
    {0x67, 117, 81, "kpequal", "Keypad ="},
    {0x68, 183, 105, "f13", "F13"},
    {0x69, 184, 107, "f14", "F14"},
    {0x6A, 185, 113, "f15", "F15"},
    {0x6B, 186, 106, "f16", "F16"},
    {0x6C, 187, 64, "f17", "F17"},
    {0x6D, 188, 79, "f18", "F18"},
    {0x6E, 189, 80, "f19", "F19"},
    {0x6F, 190, 90, "f20", "F20"},
    {0x7F, 113, 74, "mute", "Mute"},
    {0x80, 115, 72, "volumeup", "Volume Up"},
    {0x81, 114, 73, "volumedown", "Volume Down"},
    {0x85, 121, 95, "kpcomma", "Keypad ,"},
    {0x87, 89, 94, "ro", "Ro"},
    {0x89, 124, 93, "yen", "Yen"},
    {0x90, 122, 104, "lang1", "Lang 1"},
    {0x91, 123, 102, "lang2", "Lang 2"},
    {0xE0, 29, 59, "ctrl", "Left Ctrl"},
    {0xE1, 42, 56, "shift", "Left Shift"},
    {0xE2, 56, 58, "alt", "Left Alt"},
    {0xE3, 125, 55, "gui", "Left Super"},
    {0xE4, 97, 62, "rctrl", "Right Ctrl"},
    {0xE5, 54, 60, "rshift", "Right Shift"},
    {0xE6, 100, 61, "ralt", "Right Alt"},
    {0xE7, 126, 54, "rgui", "Right Super"},
}};

struct Alias
{
    std::string_view alias;
    std::string_view name;
};

// Spellings people commonly type for a key; they resolve to the row's name.
constexpr std::array<Alias, 20> Aliases{{
    {"esc", "escape"},  {"return", "enter"},  {"del", "delete"},      {"ins", "insert"},
    {"pgup", "pageup"}, {"pgdn", "pagedown"}, {"backquote", "grave"}, {"control", "ctrl"},
    {"lctrl", "ctrl"},  {"lshift", "shift"},  {"lalt", "alt"},        {"option", "alt"},
    {"lgui", "gui"},    {"super", "gui"},     {"meta", "gui"},        {"win", "gui"},
    {"cmd", "gui"},     {"command", "gui"},   {"altgr", "ralt"},      {"rcmd", "rgui"},
}};

template <typename Predicate> const Key *findKey(Predicate predicate)
{
    const auto it = std::find_if(Keys.begin(), Keys.end(), predicate);
    return it == Keys.end() ? nullptr : &*it;
}

bool sameName(QStringView text, std::string_view name)
{
    return text.compare(QLatin1String(name.data(), qsizetype(name.size())), Qt::CaseInsensitive) ==
           0;
}

const Key *findCanonical(QStringView name)
{
    return findKey([name](const Key &key) { return sameName(name, key.name); });
}

const Key *findAlias(QStringView name)
{
    const auto it = std::find_if(Aliases.begin(), Aliases.end(), [name](const Alias &alias) {
        return sameName(name, alias.alias);
    });
    if (it == Aliases.end())
        return nullptr;
    return findKey([it](const Key &key) { return key.name == it->name; });
}

} // namespace

std::span<const KeyCodeTable::Key> KeyCodeTable::all()
{
    return Keys;
}

const KeyCodeTable::Key *KeyCodeTable::byUsage(int usage)
{
    return findKey([usage](const Key &key) { return key.usage == usage; });
}

const KeyCodeTable::Key *KeyCodeTable::byEvdev(int code)
{
    return findKey([code](const Key &key) { return key.evdev == code; });
}

const KeyCodeTable::Key *KeyCodeTable::byMacVirtualKey(int code)
{
    return findKey([code](const Key &key) { return key.macVirtualKey == code; });
}

const KeyCodeTable::Key *KeyCodeTable::byName(QStringView name)
{
    if (const Key *key = findCanonical(name))
        return key;
    return findAlias(name);
}

} // namespace orvex
