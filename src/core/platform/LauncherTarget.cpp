// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/LauncherTarget.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace orvex {

namespace {

// The kernel gives up after as many links (ELOOP).
constexpr int MaxLinkHops = 40;
constexpr char DesktopSuffix[] = ".desktop";

bool statOf(const QString &path, struct stat *info)
{
    return ::stat(QFile::encodeName(path).constData(), info) == 0;
}

bool trustedOwner(const struct stat &info)
{
    return info.st_uid == 0 || info.st_uid == ::geteuid();
}

bool othersMayWrite(const struct stat &info)
{
    return (info.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

QString ownerPhrase(const QString &what, const struct stat &info)
{
    return QStringLiteral("%1 is owned by user id %2").arg(what).arg(info.st_uid);
}

} // namespace

QString LauncherTarget::folderRefusal(const QString &folder)
{
    QString current = QDir::cleanPath(folder);
    for (;;) {
        struct stat info
        {
        };
        if (!statOf(current, &info))
            return QStringLiteral("folder %1 cannot be examined").arg(current);
        if (!trustedOwner(info))
            return ownerPhrase(QStringLiteral("folder ") + current, info);
        if (othersMayWrite(info) && (info.st_mode & S_ISVTX) == 0)
            return QStringLiteral("folder %1 is writable by group or others").arg(current);
        const QString parent = QFileInfo(current).path();
        if (parent == current)
            return {};
        current = parent;
    }
}

// A link can be replaced by whoever may write the folder holding it, so the
// folders of the path as given and of every link on the way are examined.
QString LauncherTarget::linkRefusal(const QString &path)
{
    QString hop = QDir::cleanPath(path);
    for (int hops = 0; hops <= MaxLinkHops; ++hops) {
        if (const QString refused = folderRefusal(QFileInfo(hop).path()); !refused.isEmpty())
            return refused;
        const QFileInfo info(hop);
        if (!info.isSymLink())
            return {};
        hop = info.symLinkTarget();
    }
    return QStringLiteral("too many symbolic links");
}

// A desktop entry is told by the name the launcher is given, as the agent
// tells it when it opens the path.
QString LauncherTarget::fileRefusal(const QString &file, bool isDesktopEntry)
{
    struct stat info
    {
    };
    if (!statOf(file, &info))
        return QStringLiteral("cannot be examined");
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("not a regular file");
    if (!trustedOwner(info))
        return ownerPhrase(QStringLiteral("it"), info);
    if (othersMayWrite(info))
        return QStringLiteral("writable by group or others");
    const bool executable = (info.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0;
    if (!executable && !isDesktopEntry)
        return QStringLiteral("neither executable nor a desktop entry");
    return {};
}

QString LauncherTarget::refusal(const QString &path)
{
    if (path.isEmpty())
        return QStringLiteral("no path");
    if (QDir::isRelativePath(path))
        return QStringLiteral("not an absolute path");
    const QString target = QFileInfo(path).canonicalFilePath();
    if (target.isEmpty())
        return QStringLiteral("no such file");
    if (const QString refused = linkRefusal(path); !refused.isEmpty())
        return refused;
    if (const QString refused = folderRefusal(QFileInfo(target).path()); !refused.isEmpty())
        return refused;
    return fileRefusal(target, path.endsWith(QLatin1String(DesktopSuffix)));
}

} // namespace orvex
