// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex {

// The folder of the application's shipped files (the catalogue, tooltips,
// factory profiles, pictures). Installed as <prefix>/share/orvex; in the
// build tree it is <build>/share/orvex, so programs and tests run uninstalled.
//
// Looked up in this order: $ORVEX_RESOURCE_DIR; share/orvex one and two
// levels above the executable's folder; the install prefix compiled in.
class ResourceFolder
{
public:
    static QString path();
    // The full path of a shipped file; empty when the folder is not found.
    static QString filePath(const QString &name);
    // Tests point the lookup at a folder of their own; empty restores it.
    static void setOverride(const QString &path);
    // Drops the override.
    static void resetState();
};

} // namespace orvex
