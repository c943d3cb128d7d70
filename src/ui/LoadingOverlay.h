// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex {

class ShowLoadView;
class WexNoTitleWindow;

// The loading overlay: a small floating window (146 × 87) 200 pixels below
// the centre of the screen that shows the loading animation and the progress
// of the transfer behind it. Made on first use and kept for the life of the
// process; only shown and hidden. Main thread only, except through the hook.
class LoadingOverlay
{
public:
    static constexpr int Width = 146;
    static constexpr int Height = 87;
    static constexpr int BelowCentre = 200;

    static void showLoadViewPro();
    // Nothing when the overlay was never shown.
    static void hideLoadViewPro();
    // Main thread. Shows `text` under the animation; a new show clears it.
    static void setProgress(int done, int total, const QString &text);

    // Fills the core's LoadingOverlayHook: show and hide go to the two calls
    // above, and progress reported on any thread is handed to the main
    // thread (queued, so it stays in order with the transfer's end notice).
    static void installHook();

    // The overlay window and its content; null before the first show.
    static WexNoTitleWindow *showLoadFrm();
    static ShowLoadView *loadView();
    static bool isShown();
};

} // namespace orvex
