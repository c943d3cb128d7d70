// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/WriteBatch.h"

#include "device/DeviceLink.h"

namespace orvex {

WriteBatch::WriteBatch() : m_lock(&DeviceLink::commandLock())
{
    ++DeviceLink::batchDepth;
}

WriteBatch::~WriteBatch()
{
    if (m_open)
        --DeviceLink::batchDepth;
}

bool WriteBatch::commit(bool allWritten)
{
    if (m_open) {
        m_open = false;
        --DeviceLink::batchDepth;
    }
    return DeviceLink::finishWrites(allWritten);
}

} // namespace orvex
