// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileRecords.h"

#include <QList>
#include <QString>

#include <functional>

namespace orvex {

// The launcher paths of a profile taken from a file. Profile files are
// shared, so a path is kept only when LauncherTarget accepts it.
class LauncherScreen
{
public:
    struct Refusal
    {
        int button; // index in profile order (ButtonKeyNames)
        QString path;
        QString reason; // LauncherTarget::refusal()
    };
    using DefaultButton = std::function<BTN_INFO(int button)>;

    // A launcher button (function class, function or button type says so)
    // whose path is refused becomes `defaultButton(index)`; those buttons
    // are answered in profile order. Any other button's path is never
    // started from that button, but the agent opens the path of whichever
    // button the mouse reports as a launcher: a refused one is emptied
    // there, keeping the button's function.
    static QList<Refusal> screen(ORVEX_PROFILE &profile, const DefaultButton &defaultButton);

    // The path of a button as stored: UTF-8 up to the first NUL or the end
    // of the field.
    static QString pathOf(const BTN_INFO &button);
    static bool isLauncher(const BTN_INFO &button);
};

} // namespace orvex
