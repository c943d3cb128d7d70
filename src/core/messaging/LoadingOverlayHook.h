// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

namespace orvex {

// How the transfers reach the loading overlay without the core knowing about
// windows. The window layer installs the handlers once at start-up; without
// them (orvexctl, the agent, the core's own tests) every call does nothing.
//
// Threads: show() and hide() are called on the main thread (a transfer
// starter calls show() right after starting its worker). reportProgress() may
// be called from any thread, typically the worker's; its handler runs on the
// calling thread and must hand the update to the main thread itself.
class LoadingOverlayHook
{
public:
    struct Handlers
    {
        std::function<void()> show;
        std::function<void()> hide;
        // `done` of `total` steps are finished (total 0: unknown); `text` is
        // the line shown to the user, for example "Reading profile 2 of 5".
        std::function<void(int done, int total, const QString &text)> progress;
    };

    // Replaces the handlers; a handler left empty makes its call do nothing.
    static void install(const Handlers &handlers);
    // Forgets the handlers (tests start from a clean state).
    static void reset();

    static void show();
    static void hide();
    static void reportProgress(int done, int total, const QString &text);
};

} // namespace orvex
