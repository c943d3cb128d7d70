// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace orvex {

// The thread that runs the whole-profile transfers behind the loading
// overlay (DeviceTransfer's …Pro operations): one transfer at a time, and
// none left running once the application quits.
//
// A transfer on the worker reaches the profile store only through
// MainThreadCall. stop() sets the worker's stop flag (DeviceLink::
// setStopFlag()), so the transfer fails at its next request as if the mouse
// had been unplugged, and then waits for it to end.
//
// start(), wait() and stop() are called on the main thread; the first start()
// under a QCoreApplication connects stop() to its aboutToQuit, so an
// application that quits while a transfer runs stops it and joins the worker
// before its windows and the profile store go; an application that tears
// them down before leaving its event loop calls stop() first. None of these
// may be called while the caller holds DeviceLink::commandLock(): the worker
// may need it to end.
class TransferWorker
{
public:
    // Runs `transfer` on a new worker thread and answers true. While a
    // transfer is running it starts nothing and answers false: transfers are
    // not queued, since the caller's overlay and its count of running
    // transfers must only be raised for one that runs.
    static bool start(std::function<void()> transfer);
    // From start() until the transfer has returned.
    static bool isRunning();
    // Waits until the running transfer has ended and joins its thread,
    // running meanwhile the calls it hands to the main thread. Returns at
    // once when nothing runs, and when called on the worker itself.
    static void wait();
    // Asks the running transfer to stop at its next request, then wait().
    static void stop();

    // stop(), and forgets the application it is connected to.
    static void resetState();
};

} // namespace orvex
