// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "AgentStore.h"

#include <chrono>

namespace orvex {

// The agent's store on the core: the shared profile controller (sysProCon)
// and the configuration application's preferences file.
class CoreAgentStore : public AgentStore
{
public:
    // The pause after a reload, kept from the original agent.
    static constexpr std::chrono::milliseconds SettlePause{100};

    // Obtains the shared controller, which loads the stored profiles.
    CoreAgentStore();

    ProfileValuePtr getProfileByFWProId(int slot) override;
    void refreshProfile() override;
    void reSetCurrProfile() override;
    bool daemonGetOsd() override;
};

} // namespace orvex
