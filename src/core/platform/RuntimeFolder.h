// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex {

// The user's private folder for sockets and lock files: $XDG_RUNTIME_DIR, or,
// where the session has none, /tmp/orvex-<uid> made by us with mode 0700.
//
// /tmp is shared by every user, so a folder found there is used only when it
// is a real directory (not a link) owned by this user and closed to everyone
// else; otherwise another user could have made it to take our sockets.
class RuntimeFolder
{
public:
    // The folder, created when needed; empty (with *error set) when there is
    // no safe folder to use.
    static QString path(QString *error = nullptr);
    // The private folder used without XDG_RUNTIME_DIR.
    static QString fallbackPath();
    // Whether `folder` is a directory owned by this user that nobody else may
    // enter or write; *error tells why not.
    static bool isPrivate(const QString &folder, QString *error = nullptr);
};

} // namespace orvex
