// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileValue.h"

#include <QList>
#include <QSet>
#include <QString>

namespace orvex {

// Writes profiles into the profile folder without ever leaving it with fewer
// good profiles than before, whenever the process stops:
// - every file is written atomically (aside, then renamed over), unless it
//   already holds exactly what would be written;
// - a file that still holds another listed profile's only copy (its
//   storedFileName()) is replaced only after that profile has been written
//   to its own new file; a cycle of such moves (two profiles swapping names)
//   is broken by first writing one of them to a spare file under a spare
//   name, so no two files ever hold one name (a reload would drop one);
// - files that no longer belong are removed only after every write worked.
class ProfileFolderWriter
{
public:
    struct Entry
    {
        ProfileValuePtr profile;
        QString fileName; // inside the folder
    };

    // `listed` are all profiles of the list: those whose stored file may be
    // the only copy of their last saved state.
    ProfileFolderWriter(QString folder, QList<ProfileValuePtr> listed);

    // Writes each entry's profile to its file; each written profile's
    // storedFileName() becomes the file that now holds it (its entry's file,
    // or a spare one when that file holds a listed profile that is not being
    // written). Stops at the first write that fails (logged) and answers
    // false; the files not yet written keep their previous content.
    bool writeAll(const QList<Entry> &entries);

    // Removes the profile files (extension "pro", any case) not named in
    // `keep`, and temporaries an interrupted write left behind. Answers
    // whether all of them could be removed.
    bool removeAllExcept(const QSet<QString> &keep) const;

private:
    // The listed profile, other than the entry's, whose only copy is the
    // entry's target file; none when the target may be replaced.
    ProfileValuePtr holderOf(const Entry &entry) const;
    bool moveAside(QList<Entry> &blocked);
    bool write(const ProfileValuePtr &profile, const QString &fileName);
    static bool holdsImage(const QString &path, const QByteArray &image);
    QString spareNameFor(const QString &fileName) const;
    QString pathOf(const QString &fileName) const;

    QString m_folder;
    QList<ProfileValuePtr> m_listed;
    QSet<QString> m_targets;
};

} // namespace orvex
