// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace orvex {

// The file panels of the profile management page: one profile file
// (".pro") to import, and where to export one. Both are Qt's own panels,
// named, so that they look alike on every desktop and can be found by
// assistive technologies.
class ProfileFilePanel
{
public:
    static constexpr char ImportPanelName[] = "Import profile";
    static constexpr char ExportPanelName[] = "Export profile";
    static constexpr char Suffix[] = "pro";

    // The chosen file; empty when the panel was cancelled.
    static QString chooseImport(QWidget *parent);
    // The chosen path with ".pro" appended unless it ends so already; empty
    // when the panel was cancelled. `name` is offered as the file's name.
    static QString chooseExport(QWidget *parent, const QString &name);
    // `path` ending in ".pro".
    static QString withSuffix(const QString &path);
};

} // namespace orvex
