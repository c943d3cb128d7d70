// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/InputReport.h"

#include "device/MemoryMap.h"

namespace orvex {

bool InputReport::namesProfile() const
{
    return profile() < fwmem::ProfileCount;
}

bool InputReport::isConfigurationButton() const
{
    return buttonCode() == ConfigAppCode || buttonCode() == ConfigAppCodeAlt;
}

std::optional<int> InputReport::launcherSlot() const
{
    if (!isLauncherCode())
        return std::nullopt;
    const int slot = buttonCode() - LauncherCodeBase - fwmem::ButtonSlotCount * profile();
    if (slot < 0 || slot >= fwmem::ButtonSlotCount)
        return std::nullopt;
    return slot;
}

} // namespace orvex
