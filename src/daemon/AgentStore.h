// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileValue.h"

#include <memory>

namespace orvex {

// What the agent reads of the user's stored settings: the stored profiles
// bound to the onboard slots, and the display switch in the configuration
// application's preferences. The production store is the core's profile
// controller and preferences file; tests may give their own.
class AgentStore
{
public:
    virtual ~AgentStore() = default;

    // The stored profile bound to firmware slot `slot` (0..4); null when
    // there is none or the slot is out of range.
    virtual ProfileValuePtr getProfileByFWProId(int slot) = 0;
    // Reloads the stored profiles from disk.
    virtual void refreshProfile() = 0;
    // The controller's settling pause after a reload.
    virtual void reSetCurrProfile() = 0;
    // The display switch as the application last stored it; on when the
    // preferences or the key are missing.
    virtual bool daemonGetOsd() = 0;
};

} // namespace orvex
