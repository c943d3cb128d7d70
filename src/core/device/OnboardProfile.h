// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileRecords.h"

#include <QString>

#include <optional>

namespace orvex {

// One onboard profile as the mouse holds it: what a whole-slot read brings
// back and a whole-slot write sends.
struct OnboardProfile
{
    int slot = 0;
    QString name;
    ORVEX_PROFILE profile{};

    // Reads buttons, lighting, performance and the name of `slot` into a
    // copy of `base` (fields the mouse does not hold keep base's values).
    // Nothing when the mouse stopped answering.
    static std::optional<OnboardProfile> read(int slot, const ORVEX_PROFILE &base = {});
    // Report steps a read (or a write) of one slot takes before the name
    // and the macros are known.
    static int readStepsEstimate();
};

} // namespace orvex
