// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace orvex {

// File names of profiles in a folder. A profile's file is named after the
// profile ("Work" is Work.pro), but a name is the user's text and not a file
// name: a file name is derived from it that stays inside the folder, that any
// Linux file system takes, and that no other profile of the folder shares.
// The name inside the file stays as the user wrote it.
class ProfileFileNames
{
public:
    static constexpr char Extension[] = "pro";
    // NAME_MAX of Linux file systems, in bytes.
    static constexpr int MaxFileNameBytes = 255;
    // Room kept for ".pro" and a "~NNNNN" suffix that tells apart names
    // that give the same file name.
    static constexpr int MaxStemBytes = MaxFileNameBytes - 4 - 6;
    static constexpr char SuffixMark = '~';

    // The part before ".pro": the name with "/", NUL and control characters
    // replaced by "_", a leading "." replaced by "_" (hidden files are not
    // listed), "_" for an empty name, cut to MaxStemBytes of UTF-8 at a
    // character boundary.
    static QString stemFor(const QString &profileName);
    // Whether stemFor() keeps the name as it is.
    static bool isVerbatim(const QString &profileName);

    // One file name per name, in the same order, all different even to a file
    // system that ignores case. Names kept verbatim get their plain file
    // name first, so a profile named "a_b" keeps a_b.pro whatever other
    // names also reduce to "a_b"; the others take "~2", "~3"... in list order.
    static QStringList assign(const QStringList &profileNames);

    // Whether a directory entry is a profile file: extension "pro" in any case.
    static bool isProfileFile(const QString &fileName);
};

} // namespace orvex
