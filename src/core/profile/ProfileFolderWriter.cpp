// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileFolderWriter.h"

#include "platform/WexLogger.h"
#include "profile/ProfileFileNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

namespace orvex {

namespace {

// The name QSaveFile gives the file it writes beside "<name>" before the
// rename: "<name>.XXXXXX". One left behind means a write was interrupted.
bool isInterruptedWrite(const QString &fileName)
{
    static const QRegularExpression pattern(QStringLiteral("\\.pro\\.[A-Za-z0-9]{6}$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(fileName).hasMatch();
}

} // namespace

ProfileFolderWriter::ProfileFolderWriter(QString folder, QList<ProfileValuePtr> listed)
    : m_folder(std::move(folder)), m_listed(std::move(listed))
{
}

QString ProfileFolderWriter::pathOf(const QString &fileName) const
{
    return m_folder + QLatin1Char('/') + fileName;
}

ProfileValuePtr ProfileFolderWriter::holderOf(const Entry &entry) const
{
    if (!QFileInfo::exists(pathOf(entry.fileName)))
        return nullptr;
    for (const ProfileValuePtr &other : m_listed) {
        if (other != entry.profile && other->storedFileName() == entry.fileName)
            return other;
    }
    return nullptr;
}

bool ProfileFolderWriter::write(const ProfileValuePtr &profile, const QString &fileName)
{
    if (!profile->saveToPath(pathOf(fileName)))
        return false;
    profile->setStoredFileName(fileName);
    return true;
}

QString ProfileFolderWriter::spareFileName(const QString &fileName) const
{
    const QString stem = QFileInfo(fileName).completeBaseName();
    for (int n = 1;; ++n) {
        const QString candidate = QStringLiteral("%1%2spare%3.%4")
                                      .arg(stem)
                                      .arg(QLatin1Char(ProfileFileNames::SuffixMark))
                                      .arg(n)
                                      .arg(QLatin1String(ProfileFileNames::Extension));
        if (!m_targets.contains(candidate) && !QFileInfo::exists(pathOf(candidate)))
            return candidate;
    }
}

bool ProfileFolderWriter::writeAll(const QList<Entry> &entries)
{
    m_targets.clear();
    for (const Entry &entry : entries)
        m_targets.insert(entry.fileName);

    QList<Entry> pending = entries;
    while (!pending.isEmpty()) {
        QList<Entry> blocked;
        for (const Entry &entry : pending) {
            if (holderOf(entry))
                blocked.append(entry);
            else if (!write(entry.profile, entry.fileName))
                return false;
        }
        if (blocked.size() == pending.size() && !moveAside(blocked))
            return false;
        pending = blocked;
    }
    return true;
}

// No blocked entry can be written: each target holds another profile's only
// copy. The first blocked profile is written to a spare file, which frees its
// old file. When the profile holding its own target is not waiting to be
// written, that target never frees and the spare stays its file.
bool ProfileFolderWriter::moveAside(QList<Entry> &blocked)
{
    const Entry first = blocked.first();
    const ProfileValuePtr holder = holderOf(first);
    if (!write(first.profile, spareFileName(first.fileName)))
        return false;
    const bool holderWaits = std::any_of(blocked.cbegin(), blocked.cend(),
                                         [&](const Entry &e) { return e.profile == holder; });
    if (!holderWaits)
        blocked.removeFirst();
    return true;
}

bool ProfileFolderWriter::removeAllExcept(const QSet<QString> &keep) const
{
    bool allRemoved = true;
    const QStringList entries = QDir(m_folder).entryList(QDir::Files | QDir::Hidden);
    for (const QString &fileName : entries) {
        const bool stale = ProfileFileNames::isProfileFile(fileName) && !keep.contains(fileName);
        if (!stale && !isInterruptedWrite(fileName))
            continue;
        if (!QFile::remove(pathOf(fileName))) {
            ORVEX_WARNING(QStringLiteral("cannot remove %1").arg(pathOf(fileName)));
            allRemoved = false;
        }
    }
    return allRemoved;
}

} // namespace orvex
