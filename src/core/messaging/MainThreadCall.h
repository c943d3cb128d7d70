// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace orvex {

// Hands work from a worker thread to the main thread (the thread of the
// QCoreApplication) and waits until it has run: how a transfer on a worker
// reaches what only the main thread may touch (the profile store, the
// working record, the windows).
//
// The work is a blocking queued call on the application object. The main
// thread runs it from its event loop, or from dispatchPending() while it
// waits for a worker (TransferWorker::wait()). A main thread blocked in any
// other way keeps the worker waiting until it is back.
class MainThreadCall
{
public:
    // Runs `work` on the main thread and returns once it has run: directly
    // when called on the main thread, and on the calling thread when the
    // process has no QCoreApplication (there is no main thread to hand it
    // to). False when the application object went away with the work still
    // queued: the work did not run.
    static bool run(const std::function<void()> &work);
    // The calling thread is the application's, or there is no application.
    static bool isMainThread();
    // Runs the work workers have handed over and wait for. On the main thread
    // only; anywhere else it does nothing.
    static void dispatchPending();
};

} // namespace orvex
