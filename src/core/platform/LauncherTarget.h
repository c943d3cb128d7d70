// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex {

// Whether a launcher button's path may be started. Profile files are shared
// between people, so a path taken from one is trusted only when nobody but
// root or this user can have put the program there or change it later.
//
// Acceptable: an absolute path that exists and resolves (symbolic links
// followed) to a regular file that is executable or a desktop entry (the
// path ends in ".desktop"), owned by root or by this user and writable by
// neither its group nor others. Every folder on the way to it - those of the
// path as given, of each link it passes through and of the file itself, up
// to "/" - is owned by root or by this user and writable by no one else,
// unless it is sticky (like /tmp), where others cannot replace our entries.
class LauncherTarget
{
public:
    // Why `path` may not be launched, as a short phrase ("writable by group
    // or others"); empty when it may.
    static QString refusal(const QString &path);
    static bool isAcceptable(const QString &path) { return refusal(path).isEmpty(); }

private:
    static QString folderRefusal(const QString &folder);
    static QString linkRefusal(const QString &path);
    static QString fileRefusal(const QString &file, bool isDesktopEntry);
};

} // namespace orvex
