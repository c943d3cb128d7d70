// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QFileInfo;
class QWidget;

namespace orvex {

// The open panel of the launcher button: one file, a desktop entry
// (".desktop") or an executable program; folders only to walk through.
class LauncherFilePanel
{
public:
    static constexpr char PanelName[] = "Choose an application";

    // The chosen file's path; empty when the panel was cancelled. A chosen
    // file of any other kind is refused with a message (empty answer).
    static QString choose(QWidget *parent);
    // Where the panel opens: the system's desktop entries when there are.
    static QString startFolder();
    static bool isLaunchable(const QFileInfo &file);
};

} // namespace orvex
