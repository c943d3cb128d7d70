// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace orvex {

// The panels of the macro editor's files (".mac", a macro's keyed archive):
// a save panel that proposes the macro's name and an open panel for one
// such file, no folders. Both answer an empty path when cancelled.
class MacroFilePanel
{
public:
    static constexpr char Extension[] = "mac";
    static constexpr char SavePanelName[] = "Export macro";
    static constexpr char OpenPanelName[] = "Import macro";

    // The chosen path with ".mac" added unless it ends so already.
    static QString chooseSavePath(QWidget *parent, const QString &proposedName);
    static QString chooseOpenPath(QWidget *parent);
    // `path` with ".mac" added unless it ends so already.
    static QString withExtension(const QString &path);
};

} // namespace orvex
