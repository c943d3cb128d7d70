// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/TransferState.h"

#include "platform/ProcessState.h"

namespace orvex {

namespace {
const bool registeredReset = ProcessState::add("TransferState", &TransferState::resetState);
} // namespace

ORVEX_PROFILE TransferState::currSetProfile{};
int TransferState::currSetProfileID = 0;

void TransferState::resetState()
{
    currSetProfile = ORVEX_PROFILE{};
    currSetProfileID = 0;
}

} // namespace orvex
