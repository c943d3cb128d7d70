// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileRecords.h"

namespace orvex {

class ProfieController;

// Process-wide state of the profile store, reached through the toolbox as
// OrvexAction::selProfile and so on. Main thread only, except that whole-
// profile transfers read selProfile on their worker thread while the
// application's modal overlay keeps the main thread off it.
class ProfileState
{
public:
    // The working record: the selected profile's settings while pages edit
    // them and transfers read them. The profile controller moves it to and
    // from the selected profile at the moments its operations name.
    static inline ORVEX_PROFILE selProfile{};
    // The working record has changes not yet stored in a profile.
    static inline bool isNeedSave = false;
    // The shared profile controller, once getShareProCon() has made it.
    static inline ProfieController *sysProCon = nullptr;

    // The shared controller, made (and its profiles loaded) on first use.
    // Not safe against concurrent first use.
    static ProfieController *getShareProCon();

    // Drops the shared controller and clears the working record, so that the
    // next getShareProCon() starts over from the folders on disk.
    static void resetState();
};

} // namespace orvex
