// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/WritePlan.h"
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

    // Reads the name, buttons, lighting and performance of `slot` into a
    // copy of `base` (fields the mouse does not hold keep base's values).
    // Nothing when the mouse stopped answering.
    static std::optional<OnboardProfile> read(int slot, const ORVEX_PROFILE &base = {});
    // The same without the name.
    static std::optional<ORVEX_PROFILE> readRecord(int slot, const ORVEX_PROFILE &base);
    // Buttons, lighting, performance and then the name, as one WriteBatch
    // with one Reload at the end: the mouse takes all of it or, when a write
    // fails, none of it (a Reset drops what was written).
    bool write() const;
    // The writes of write(), in its order.
    WritePlan plan() const;
    // Reads every byte write() would write, so that the mirror of the
    // mouse's memory (DeviceMirror) knows them and write() sends only those
    // that differ. Reads cost as much as writes: this saves the mouse's
    // memory wear, not time. False when the mouse stopped answering.
    bool readTargets() const;
    // Report steps a read (or a write) of one slot takes before the name
    // and the macros are known.
    static int readStepsEstimate();
};

} // namespace orvex
