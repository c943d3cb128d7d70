// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Catalogue.h"
#include "device/DeviceLink.h"
#include "device/MemoryMap.h"
#include "platform/UserDataFolder.h"
#include "profile/ProfileState.h"
#include "profile/SystemPreferences.h"

namespace orvex {

// The toolbox the rest of the suite calls by name: one facade over the
// subsystems' own classes, whose static operations it inherits.
class OrvexAction : public DeviceLink,
                    public MemoryMap,
                    public UserDataFolder,
                    public Catalogue,
                    public ProfileState,
                    public SystemPreferences
{
public:
    OrvexAction() = delete;

    // Returns every piece of process-wide state to its initial value.
    static void resetState()
    {
        DeviceLink::resetState();
        UserDataFolder::resetState();
        Catalogue::resetState();
        ProfileState::resetState();
        SystemPreferences::resetState();
    }
};

} // namespace orvex
