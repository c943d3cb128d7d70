// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace orvex {

// How far a long transfer is: bytes moved of bytes to move, and what is being
// moved ("Reading profile 2 of 5"). Transfers announce their work; every
// checked byte read or write of the command channel counts one step. The
// listener (a progress line on a terminal, the loading overlay) is called on
// the transferring thread.
class TransferProgress
{
public:
    using Listener = std::function<void(int done, int total, const QString &stage)>;

    static void setListener(Listener listener);
    // Starts a stage of `total` steps.
    static void begin(const QString &stage, int total);
    // Adds steps found on the way (a macro's bytes, a name's length).
    static void extend(int steps);
    static void step();
    static void end();

    // No listener and no stage.
    static void resetState();
};

} // namespace orvex
