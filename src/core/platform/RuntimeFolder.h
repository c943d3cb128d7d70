// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex {

// The user's private folder for sockets and lock files: $XDG_RUNTIME_DIR, or,
// where the session has none, /tmp/orvex-<uid>, made private to this user.
class RuntimeFolder
{
public:
    // The folder, created when needed; empty, with a one-line *error, when
    // there is no folder that can be trusted.
    static QString path(QString *error = nullptr);
    // The folder without creating or checking anything.
    static QString pathUnchecked();

    // Makes `path` a folder that only this user may enter: created with mode
    // 0700 when missing; an existing one is used only when it is a real
    // folder (not a symbolic link) owned by this user with no access for the
    // group or others. Otherwise answers false with a one-line *error and
    // leaves what is there alone.
    static bool ensurePrivateFolder(const QString &path, QString *error);
};

} // namespace orvex
