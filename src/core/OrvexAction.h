// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/Catalogue.h"
#include "device/ButtonTransfer.h"
#include "device/DeviceLink.h"
#include "device/DeviceTransfer.h"
#include "device/MemoryMap.h"
#include "device/SettingsTransfer.h"
#include "device/TransferState.h"
#include "messaging/AgentMessaging.h"
#include "messaging/LoadingOverlayHook.h"
#include "platform/ProcessState.h"
#include "platform/UserDataFolder.h"
#include "profile/ProfileState.h"
#include "profile/SystemPreferences.h"

namespace orvex {

// The toolbox the rest of the suite calls by name: one facade over the
// subsystems' own classes, whose static operations and process-wide state it
// inherits (OrvexAction::applyFWDataPro(), OrvexAction::currSetProfile, ...).
// A name two subsystems share must be settled here, as resetState() is.
class OrvexAction : public DeviceLink,
                    public MemoryMap,
                    public TransferState,
                    public ButtonTransfer,
                    public SettingsTransfer,
                    public DeviceTransfer,
                    public UserDataFolder,
                    public ProfileState,
                    public SystemPreferences,
                    public Catalogue,
                    public AgentMessaging
{
public:
    OrvexAction() = delete;

    // The loading overlay, which the window layer provides through the hook.
    static void showLoadViewPro() { LoadingOverlayHook::show(); }
    static void hideLoadViewPro() { LoadingOverlayHook::hide(); }

    // Returns every piece of process-wide state to its initial value: every
    // holder registered with ProcessState, not only those above.
    static void resetState() { ProcessState::resetAll(); }
};

} // namespace orvex
