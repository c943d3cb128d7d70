// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileRecords.h"

namespace orvex {

// The record a transfer works on: a stable copy of the edited profile taken
// when the transfer starts, and the onboard slot it goes to or comes from.
// Only the thread running the one transfer of the process touches it.
class TransferState
{
public:
    static ORVEX_PROFILE currSetProfile;
    static int currSetProfileID;

    static void resetState();
};

} // namespace orvex
