// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/TransferState.h"

namespace orvex {

ORVEX_PROFILE TransferState::currSetProfile{};
int TransferState::currSetProfileID = 0;

void TransferState::resetState()
{
    currSetProfile = ORVEX_PROFILE{};
    currSetProfileID = 0;
}

} // namespace orvex
