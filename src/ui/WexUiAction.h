// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex {

// The framework services that need the desktop: message boxes and opening
// files and web pages in the user's own applications.
class WexUiAction
{
public:
    static void showInfoMessage(const QString &message);
    // True when the user answered OK.
    static bool ChooseInfoMessage(const QString &message);

    // Opens an existing local file (help page, film) with the desktop's
    // application for it; false for a missing file.
    static bool openFile(const QString &path);
    // Opens an http or https address in the user's browser; other schemes
    // (file:, javascript:, custom handlers) are refused.
    static bool openPage(const QString &address);
};

} // namespace orvex
