// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace orvex {

// The registry of process-wide state. Every class that keeps state for the
// whole process (static members, variables in its file's anonymous
// namespace, statics inside its functions) registers the function that
// returns all of it to its starting value, in its own .cpp:
//
//     namespace {
//     const bool registeredReset = ProcessState::add("TransferState", &TransferState::resetState);
//     }
//
// Registration runs before main() in every program the holder's file is
// linked into; a file that is not linked holds nothing to reset. The holder
// is named after the class (and so the file) whose state it is: the test of
// this registry lists the writable statics of the core library by class and
// file and fails for any that no registered holder owns. Statics named with a
// capital letter are constants by this code's naming (set while the program
// starts, never changed) and need no reset.
//
// Tests start and end with resetAll() (OrvexAction::resetState()); no
// transfer may run meanwhile.
class ProcessState
{
public:
    using Reset = void (*)();

    // Registers `reset` for `holder`. Answers true, the value of the
    // registering constant. Only before main() starts threads.
    static bool add(const char *holder, Reset reset);
    // Runs every registered reset, in registration order.
    static void resetAll();
    // The registered holders, in registration order.
    static QStringList holders();
};

} // namespace orvex
