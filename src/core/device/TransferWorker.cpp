// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/TransferWorker.h"

#include "device/DeviceLink.h"
#include "messaging/MainThreadCall.h"
#include "platform/ProcessState.h"
#include "platform/WexLogger.h"

#include <QCoreApplication>
#include <QPointer>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace orvex {

namespace {

// How often a waiting main thread runs the calls the worker hands to it
// when the worker has not ended yet.
constexpr auto DispatchInterval = std::chrono::milliseconds(5);

struct Worker
{
    std::mutex mutex;
    std::condition_variable ended;
    // Guarded by mutex.
    std::thread thread;
    bool running = false;
    std::atomic<bool> stopRequested{false};
    // The application whose aboutToQuit stops the worker; main thread only.
    QPointer<QCoreApplication> quitHooked;
    QMetaObject::Connection quitConnection;
};

// Never destroyed: a thread object destroyed unjoined at exit would end the
// process, and a worker may still be finishing then in programs that never
// quit through an event loop.
Worker &worker()
{
    static Worker *const state = new Worker;
    return *state;
}

void stopAtQuit(Worker &state)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || state.quitHooked == app)
        return;
    state.quitHooked = app;
    state.quitConnection =
        QObject::connect(app, &QCoreApplication::aboutToQuit, app, &TransferWorker::stop);
}

void runTransfer(Worker &state, const std::function<void()> &transfer)
{
    DeviceLink::setStopFlag(&state.stopRequested);
    transfer();
    DeviceLink::setStopFlag(nullptr);
    {
        std::lock_guard lock(state.mutex);
        state.running = false;
    }
    state.ended.notify_all();
}

const bool registeredReset = ProcessState::add("TransferWorker", &TransferWorker::resetState);

} // namespace

bool TransferWorker::start(std::function<void()> transfer)
{
    Worker &state = worker();
    std::lock_guard lock(state.mutex);
    if (state.running) {
        ORVEX_WARNING(QStringLiteral("a transfer is still running: the new one is not started"));
        return false;
    }
    // The last worker has ended; only its thread object is left.
    if (state.thread.joinable())
        state.thread.join();
    stopAtQuit(state);
    state.stopRequested = false;
    state.running = true;
    state.thread =
        std::thread([&state, transfer = std::move(transfer)] { runTransfer(state, transfer); });
    return true;
}

bool TransferWorker::isRunning()
{
    Worker &state = worker();
    std::lock_guard lock(state.mutex);
    return state.running;
}

void TransferWorker::wait()
{
    Worker &state = worker();
    std::unique_lock lock(state.mutex);
    if (state.thread.get_id() == std::this_thread::get_id())
        return;
    // The worker may be waiting for a call to the main thread; the main
    // thread running it here, rather than only in its event loop, is what
    // keeps this wait from waiting for itself.
    while (state.running) {
        lock.unlock();
        MainThreadCall::dispatchPending();
        lock.lock();
        state.ended.wait_for(lock, DispatchInterval, [&state] { return !state.running; });
    }
    if (state.thread.joinable())
        state.thread.join();
}

void TransferWorker::stop()
{
    worker().stopRequested = true;
    wait();
}

void TransferWorker::resetState()
{
    stop();
    Worker &state = worker();
    QObject::disconnect(state.quitConnection);
    state.quitConnection = {};
    state.quitHooked = nullptr;
}

} // namespace orvex
