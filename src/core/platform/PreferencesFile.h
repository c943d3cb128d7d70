// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace orvex {

// The configuration application's preferences: the INI file
// $XDG_CONFIG_HOME/com.kelto.orvexOption.conf (default ~/.config/...), which
// the agent reads as well. Every write is flushed at once so the other
// program sees it.
class PreferencesFile
{
public:
    static constexpr char FirstUpKey[] = "FirstUp"; // the first run has copied the system values
    static constexpr char OSDTagKey[] = "OSDTag";   // the agent shows changes on screen

    // The file's full path.
    static QString path();
    // The base folder for configuration: $XDG_CONFIG_HOME, else ~/.config.
    static QString configHome();

    // A boolean key: nothing when the file or the key is missing or the
    // text is not one of true/false, yes/no, on/off, 1/0 (any case).
    static std::optional<bool> boolValue(const QString &key);
    static bool setBoolValue(const QString &key, bool value);

    // An integer key; nothing when missing or not a decimal integer.
    static std::optional<int> intValue(const QString &key);
    static bool setIntValue(const QString &key, int value);

    // Removes a key (tests and the first-run reset).
    static bool removeValue(const QString &key);
};

} // namespace orvex
