// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/OnboardProfile.h"

#include "device/ButtonTransfer.h"
#include "device/DeviceLink.h"
#include "device/MemoryMap.h"
#include "device/SettingsTransfer.h"
#include "device/WriteBatch.h"

#include <QMutexLocker>

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

bool OnboardProfile::write() const
{
    WriteBatch batch;
    return batch.commit(ButtonTransfer::writeButtons(slot, profile) &&
                        SettingsTransfer::writeLighting(slot, profile) &&
                        SettingsTransfer::writePerformance(slot, profile) &&
                        SettingsTransfer::writeName(slot, name));
}

} // namespace orvex
