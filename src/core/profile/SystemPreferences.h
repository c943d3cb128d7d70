// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/PreferencesFile.h"

namespace orvex {

class WexMouseAction;

// The operating system's mouse preferences as the profile store keeps them
// (a copy in every profile: acceler = type 1, srcSpeed = type 2, doubleSpeed =
// type 3, on WexMouseAction's 1..10 scale), the first-run flag and the
// on-screen-display switch as the agent reads it. Class operations of the
// toolbox; main thread only.
class SystemPreferences
{
public:
    // The preference object, made by initSysPrePro(); lives until the
    // process ends (or a test resets the state).
    static inline WexMouseAction *selMouseAction = nullptr;

    // Reads "FirstUp"; stores it as set when it was not. Answers the value
    // read: false on the first run.
    static bool firstUp();
    // Makes selMouseAction and starts following the system values; on the
    // first run copies the system values into the working record and into
    // every stored profile, saves the profiles and then sets "FirstUp".
    static void initSysPrePro();
    // The working record takes the three current system values.
    static void updateSysPreSettingPro();
    // Applies one value (1..10) of one setting type to the system.
    static void setSysPreSettingValue(int value, int type);
    // The system goes back to the values recorded as reference.
    static void resetSysProSettingToDef();
    // The current system values become the reference.
    static void applySysPreSettingToDef();
    // For the agent: "OSDTag" of the application's preferences file; true
    // when the file or the key is missing or unreadable. Defined here so the
    // agent does not link the desktop-settings code it never uses.
    static bool daemonGetOsd()
    {
        return PreferencesFile::boolValue(QLatin1String(PreferencesFile::OSDTagKey)).value_or(true);
    }

    static void resetState();

private:
    static WexMouseAction &mouseAction();
};

} // namespace orvex
