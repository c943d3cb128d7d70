// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/OnboardProfile.h"

#include "device/ButtonTransfer.h"
#include "device/DeviceLink.h"
#include "device/MemoryMap.h"
#include "device/SettingsTransfer.h"
#include "device/TransferState.h"

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

std::optional<OnboardProfile> OnboardProfile::read(int slot, const ORVEX_PROFILE &base)
{
    QMutexLocker lock(&DeviceLink::commandLock());
    TransferState::currSetProfileID = slot;
    TransferState::currSetProfile = base;
    std::optional<QString> name = SettingsTransfer::readFWProfileName();
    if (!name || !ButtonTransfer::getBtnInfoFromDevice() ||
        !SettingsTransfer::getColorFromDevice() || !SettingsTransfer::getSettingFromDev())
        return std::nullopt;
    return OnboardProfile{slot, *name, TransferState::currSetProfile};
}

} // namespace orvex
