// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileRecords.h"

namespace orvex {

class ProfieController;

// Process-wide state of the profile store, reached through the toolbox as
// OrvexAction::selProfile and so on. Main thread only (the application's
// thread; any one thread in a program without a QCoreApplication): transfers
// on a worker hand their store steps to the main thread (MainThreadCall).
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
    // Not safe against concurrent first use. A call from a thread other than
    // the application's is its caller's fault: it is logged as an error and
    // counted in offMainThreadUses().
    static ProfieController *getShareProCon();
    // getShareProCon() calls made off the main thread since the last reset.
    static int offMainThreadUses();

    // Drops the shared controller and clears the working record, so that the
    // next getShareProCon() starts over from the folders on disk.
    static void resetState();
};

} // namespace orvex
