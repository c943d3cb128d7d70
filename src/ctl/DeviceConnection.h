// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CtlInvocation.h"

#include <QTextStream>

namespace orvex::ctl {

// Reaching the mouse named by --device or ORVEX_DEVICE.
class DeviceConnection
{
public:
    // Starts the command channel; answers ExitOk, or the exit status after a
    // one-line message on `err` (unknown selector, no mouse).
    static int open(const CtlInvocation &invocation, QTextStream &err);
};

} // namespace orvex::ctl
