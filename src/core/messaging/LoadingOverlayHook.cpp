// SPDX-License-Identifier: GPL-3.0-or-later
#include "messaging/LoadingOverlayHook.h"

#include "platform/ProcessState.h"

#include <QMutex>
#include <QMutexLocker>

#include <memory>

namespace orvex {

namespace {

// Workers read the handlers while the main thread may replace them, so they
// are swapped as a whole under the lock and called outside it.
QMutex handlersMutex;
std::shared_ptr<const LoadingOverlayHook::Handlers> installed;

std::shared_ptr<const LoadingOverlayHook::Handlers> current()
{
    QMutexLocker lock(&handlersMutex);
    return installed;
}

const bool registeredReset = ProcessState::add("LoadingOverlayHook", &LoadingOverlayHook::reset);

} // namespace

void LoadingOverlayHook::install(const Handlers &handlers)
{
    auto replacement = std::make_shared<const Handlers>(handlers);
    QMutexLocker lock(&handlersMutex);
    installed = std::move(replacement);
}

void LoadingOverlayHook::reset()
{
    QMutexLocker lock(&handlersMutex);
    installed.reset();
}

void LoadingOverlayHook::show()
{
    const auto handlers = current();
    if (handlers && handlers->show)
        handlers->show();
}

void LoadingOverlayHook::hide()
{
    const auto handlers = current();
    if (handlers && handlers->hide)
        handlers->hide();
}

void LoadingOverlayHook::reportProgress(int done, int total, const QString &text)
{
    const auto handlers = current();
    if (handlers && handlers->progress)
        handlers->progress(done, total, text);
}

} // namespace orvex
