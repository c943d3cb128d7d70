// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/OnboardProfile.h"

#include "device/ButtonTransfer.h"
#include "device/DeviceLink.h"
#include "device/MemoryMap.h"
#include "device/SettingsTransfer.h"
#include "device/WriteBatch.h"

#include <QMutexLocker>

#include <algorithm>

namespace orvex {

namespace {
// Class and four parameters per button, three zones, performance, eight DPI
// bytes and lift-off, and the name's length.
constexpr int FixedReadSteps = fwmem::ButtonSlotCount * 5 + fwmem::LedZoneCount + 10 + 1;
} // namespace

int OnboardProfile::readStepsEstimate()
{
    return FixedReadSteps;
}

std::optional<ORVEX_PROFILE> OnboardProfile::readRecord(int slot, const ORVEX_PROFILE &base)
{
    QMutexLocker lock(&DeviceLink::commandLock());
    ORVEX_PROFILE record = base;
    if (!ButtonTransfer::readButtons(slot, record) ||
        !SettingsTransfer::readLighting(slot, record) ||
        !SettingsTransfer::readPerformance(slot, record))
        return std::nullopt;
    return record;
}

std::optional<OnboardProfile> OnboardProfile::read(int slot, const ORVEX_PROFILE &base)
{
    QMutexLocker lock(&DeviceLink::commandLock());
    std::optional<QString> name = SettingsTransfer::readName(slot);
    if (!name)
        return std::nullopt;
    std::optional<ORVEX_PROFILE> record = readRecord(slot, base);
    if (!record)
        return std::nullopt;
    return OnboardProfile{slot, *name, *record};
}

WritePlan OnboardProfile::plan() const
{
    WritePlan plan = ButtonTransfer::planButtons(slot, profile);
    plan.append(SettingsTransfer::planLighting(slot, profile));
    plan.append(SettingsTransfer::planPerformance(slot, profile));
    plan.append(SettingsTransfer::planName(slot, name));
    return plan;
}

bool OnboardProfile::write() const
{
    WriteBatch batch;
    return batch.commit(plan().send());
}

bool OnboardProfile::readTargets() const
{
    QMutexLocker lock(&DeviceLink::commandLock());
    const WritePlan writes = plan();
    return std::all_of(writes.writes().begin(), writes.writes().end(),
                       [](const WritePlan::Write &write) {
                           return DeviceLink::readByteChecked(write.address).has_value();
                       });
}

} // namespace orvex
