// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/TransferProgress.h"

#include "platform/ProcessState.h"

#include <QMutex>
#include <QMutexLocker>

namespace orvex {

namespace {

struct State
{
    TransferProgress::Listener listener;
    QString stage;
    int done = 0;
    int total = 0;
    bool active = false;
};

QMutex mutex;
State state;

void report()
{
    TransferProgress::Listener listener;
    int done = 0;
    int total = 0;
    QString stage;
    {
        QMutexLocker lock(&mutex);
        if (!state.active || !state.listener)
            return;
        listener = state.listener;
        done = state.done;
        total = state.total;
        stage = state.stage;
    }
    listener(done, total, stage);
}

const bool registeredReset = ProcessState::add("TransferProgress", &TransferProgress::resetState);

} // namespace

void TransferProgress::setListener(Listener listener)
{
    QMutexLocker lock(&mutex);
    state.listener = std::move(listener);
}

void TransferProgress::begin(const QString &stage, int total)
{
    {
        QMutexLocker lock(&mutex);
        state.stage = stage;
        state.done = 0;
        state.total = total;
        state.active = true;
    }
    report();
}

void TransferProgress::extend(int steps)
{
    QMutexLocker lock(&mutex);
    state.total += steps;
}

void TransferProgress::step()
{
    {
        QMutexLocker lock(&mutex);
        if (!state.active)
            return;
        ++state.done;
        state.total = std::max(state.total, state.done);
    }
    report();
}

void TransferProgress::end()
{
    QMutexLocker lock(&mutex);
    state.active = false;
}

void TransferProgress::resetState()
{
    QMutexLocker lock(&mutex);
    state = State{};
}

} // namespace orvex
