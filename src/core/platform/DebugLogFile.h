// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

namespace orvex {

// The file in the user data folder that debug lines are copied to when a
// person turns debug logging on.
class DebugLogFile
{
public:
    static constexpr char FileName[] = "debug.log";
    static constexpr qint64 MaxSize = 1024 * 1024;

    // Debug lines go to FileName in the user data folder as well (true) or
    // no longer (false). A log left over larger than MaxSize is moved aside
    // first (to FileName.1), so the file never grows without bound across
    // runs.
    static void setEnabled(bool enabled);
};

} // namespace orvex
