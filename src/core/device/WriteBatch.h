// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/DeviceCommandLock.h"

#include <QMutexLocker>

namespace orvex {

// Makes several runs of writes one for the mouse: while a batch is open,
// DeviceLink::finishWrites() sends neither Reload nor Reset, and commit()
// sends the one Reload (or, after a failed write, the one Reset) for all of
// them. A whole-profile write is one batch, so an unplug part-way never
// leaves the mouse running new buttons under the old lighting and name.
// Holds the command channel from construction to destruction.
class WriteBatch
{
public:
    WriteBatch();
    ~WriteBatch();
    WriteBatch(const WriteBatch &) = delete;
    WriteBatch &operator=(const WriteBatch &) = delete;

    // `allWritten`: whether every write of the batch went through.
    bool commit(bool allWritten);

private:
    QMutexLocker<DeviceCommandLock> m_lock;
    bool m_open = true;
};

} // namespace orvex
