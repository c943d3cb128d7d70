// SPDX-License-Identifier: GPL-3.0-or-later
#include "messaging/MainThreadCall.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

namespace orvex {

bool MainThreadCall::isMainThread()
{
    const QCoreApplication *app = QCoreApplication::instance();
    return !app || QThread::currentThread() == app->thread();
}

bool MainThreadCall::run(const std::function<void()> &work)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        work();
        return true;
    }
    // Set on the main thread before it releases this thread; a queued call
    // the application drops unrun releases it too, leaving this false.
    bool ran = false;
    QMetaObject::invokeMethod(
        app,
        [&work, &ran] {
            work();
            ran = true;
        },
        Qt::BlockingQueuedConnection);
    return ran;
}

void MainThreadCall::dispatchPending()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (app && QThread::currentThread() == app->thread())
        QCoreApplication::sendPostedEvents(app, QEvent::MetaCall);
}

} // namespace orvex
