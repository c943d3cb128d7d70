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
    static const QRegularExpression TemporaryName(QStringLiteral("\\.pro\\.[A-Za-z0-9]{6}$"),
                                                  QRegularExpression::CaseInsensitiveOption);
    return TemporaryName.match(fileName).hasMatch();
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

// A file that already holds exactly this image is left alone: a save after
// one edit then syncs one file, not the whole folder.
bool ProfileFolderWriter::write(const ProfileValuePtr &profile, const QString &fileName)
{
    const QString path = pathOf(fileName);
    if (!holdsImage(path, profile->fileImage()) && !profile->saveToPath(path))
        return false;
    profile->setStoredFileName(fileName);
    return true;
}

bool ProfileFolderWriter::holdsImage(const QString &path, const QByteArray &image)
{
    QFile file(path);
    if (file.size() != image.size() || !file.open(QIODevice::ReadOnly))
        return false;
    return file.read(image.size() + 1) == image;
}

// "<stem>~spareN": a file name no file, target or listed profile name has.
QString ProfileFolderWriter::spareNameFor(const QString &fileName) const
{
    const QString stem = QFileInfo(fileName).completeBaseName();
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("%1%2spare%3")
                                 .arg(stem)
                                 .arg(QLatin1Char(ProfileFileNames::SuffixMark))
                                 .arg(n);
        const QString file = name + QLatin1Char('.') + QLatin1String(ProfileFileNames::Extension);
        const bool nameTaken =
            std::any_of(m_listed.cbegin(), m_listed.cend(),
                        [&](const ProfileValuePtr &p) { return p->name() == name; });
        if (!nameTaken && !m_targets.contains(file) && !QFileInfo::exists(pathOf(file)))
            return name;
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
// copy (profiles swapping names). The first blocked profile's data goes to a
// spare file under a name of its own, which frees its old file without two
// files ever holding one name. When the profile holding its target is not
// waiting to be written, that target never frees: the spare, under the
// profile's own name, stays its file.
bool ProfileFolderWriter::moveAside(QList<Entry> &blocked)
{
    const Entry first = blocked.first();
    const ProfileValuePtr holder = holderOf(first);
    const QString spareName = spareNameFor(first.fileName);
    const QString spareFile =
        spareName + QLatin1Char('.') + QLatin1String(ProfileFileNames::Extension);
    const bool holderWaits = std::any_of(blocked.cbegin(), blocked.cend(),
                                         [&](const Entry &e) { return e.profile == holder; });
    if (!holderWaits) {
        blocked.removeFirst();
        return write(first.profile, spareFile);
    }
    ProfileValue parked = *first.profile;
    parked.setName(spareName);
    if (!parked.saveToPath(pathOf(spareFile)))
        return false;
    first.profile->setStoredFileName(spareFile);
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
