// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RuntimeFolder.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace orvex {

namespace {

constexpr mode_t PrivateFolderMode = S_IRWXU;
constexpr mode_t GroupAndOtherAccess = S_IRWXG | S_IRWXO;

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

QString sessionRuntimeFolder()
{
    const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QString();
}

// /tmp is shared by every user: our files get a folder of their own there.
QString privateTmpFolder()
{
    return QStringLiteral("/tmp/orvex-%1").arg(::geteuid());
}

} // namespace

QString RuntimeFolder::pathUnchecked()
{
    const QString session = sessionRuntimeFolder();
    return session.isEmpty() ? privateTmpFolder() : session;
}

QString RuntimeFolder::path(QString *error)
{
    const QString session = sessionRuntimeFolder();
    if (!session.isEmpty())
        return session;
    QString reason;
    if (!ensurePrivateFolder(privateTmpFolder(), &reason)) {
        if (error)
            *error = reason;
        return {};
    }
    return privateTmpFolder();
}

// lstat, not stat: a symbolic link planted at `path` could point anywhere.
// In a sticky folder such as /tmp nobody else can rename or remove our folder
// once checked, so the check holds for as long as the folder is used.
bool RuntimeFolder::ensurePrivateFolder(const QString &path, QString *error)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (::mkdir(encoded.constData(), PrivateFolderMode) == 0) {
        // The umask may have taken more than group and other access away.
        if (::chmod(encoded.constData(), PrivateFolderMode) != 0) {
            *error = QStringLiteral("cannot set the mode of %1: %2").arg(path, systemError());
            return false;
        }
        return true;
    }
    if (errno != EEXIST) {
        *error = QStringLiteral("cannot create the folder %1: %2").arg(path, systemError());
        return false;
    }

    struct stat info = {};
    if (::lstat(encoded.constData(), &info) != 0) {
        *error = QStringLiteral("cannot inspect %1: %2").arg(path, systemError());
        return false;
    }
    if (S_ISLNK(info.st_mode)) {
        *error = QStringLiteral("refusing %1: it is a symbolic link, not a folder").arg(path);
        return false;
    }
    if (!S_ISDIR(info.st_mode)) {
        *error = QStringLiteral("refusing %1: it is not a folder").arg(path);
        return false;
    }
    if (info.st_uid != ::geteuid()) {
        *error = QStringLiteral("refusing %1: it belongs to user %2").arg(path).arg(info.st_uid);
        return false;
    }
    if ((info.st_mode & GroupAndOtherAccess) != 0) {
        *error = QStringLiteral("refusing %1: others may use it (mode %2; it must be 700)")
                     .arg(path)
                     .arg(info.st_mode & ~S_IFMT, 3, 8, QLatin1Char('0'));
        return false;
    }
    return true;
}

} // namespace orvex
