// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace orvex {

// Whole-file reads and atomic writes of the suite's small files, and the
// seeding of user files from the shipped resources. Kept apart from the XML
// and archive services so that a program which only seeds and reads files
// (the agent) does not load the XML and property-list libraries.
class SmallFiles
{
public:
    // The largest shipped file seedFromResource takes.
    static constexpr qint64 MaxResourceSize = 64 * 1024 * 1024;

    // Creates the folder with any missing parents; answers whether it exists.
    static bool createFolder(const QString &path);
    // Makes sure `folder`/`fileName` exists: when it is missing, the shipped
    // resource of that name is copied there (written aside, then renamed, and
    // made writable by its owner). Answers whether the file is there now. An
    // existing file is never replaced.
    static bool seedFromResource(const QString &folder, const QString &fileName);
    // Reads a whole file of at most `maxSize` bytes; false (and nothing read)
    // when the file is missing, unreadable or larger.
    static bool read(const QString &path, qint64 maxSize, QByteArray *contents);
    // Writes `contents` atomically (aside, then renamed over `path`).
    static bool writeAtomically(const QString &path, const QByteArray &contents);
};

} // namespace orvex
