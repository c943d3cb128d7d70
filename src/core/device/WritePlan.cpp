// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/WritePlan.h"

#include "device/DeviceLink.h"
#include "device/DeviceMirror.h"

#include <algorithm>

namespace orvex {

void WritePlan::add(std::uint16_t address, std::uint8_t value)
{
    m_writes.push_back({address, value});
}

void WritePlan::append(const WritePlan &other)
{
    m_writes.insert(m_writes.end(), other.m_writes.begin(), other.m_writes.end());
}

int WritePlan::needed() const
{
    return int(std::count_if(m_writes.begin(), m_writes.end(), [](const Write &write) {
        return !DeviceMirror::holds(write.address, write.value);
    }));
}

bool WritePlan::send() const
{
    return std::all_of(m_writes.begin(), m_writes.end(), [](const Write &write) {
        return DeviceLink::writeByteChecked(write.address, write.value);
    });
}

} // namespace orvex
