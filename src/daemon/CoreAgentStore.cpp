// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoreAgentStore.h"

#include "profile/ProfieController.h"
#include "profile/SystemPreferences.h"

#include <thread>

namespace orvex {

CoreAgentStore::CoreAgentStore()
{
    ProfieController::getShareProCon();
}

ProfileValuePtr CoreAgentStore::getProfileByFWProId(int slot)
{
    return ProfieController::getShareProCon()->getProfileByFWProId(slot);
}

void CoreAgentStore::refreshProfile()
{
    ProfieController::getShareProCon()->refreshProfile();
}

void CoreAgentStore::reSetCurrProfile()
{
    std::this_thread::sleep_for(SettlePause);
}

bool CoreAgentStore::daemonGetOsd()
{
    return SystemPreferences::daemonGetOsd();
}

} // namespace orvex
