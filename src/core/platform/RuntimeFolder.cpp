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

constexpr mode_t PrivateMode = S_IRWXU;
constexpr mode_t OthersAccess = S_IRWXG | S_IRWXO;

void setError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

} // namespace

QString RuntimeFolder::fallbackPath()
{
    return QStringLiteral("/tmp/orvex-%1").arg(getuid());
}

bool RuntimeFolder::isPrivate(const QString &folder, QString *error)
{
    struct stat status
    {
    };
    if (lstat(QFile::encodeName(folder).constData(), &status) != 0) {
        setError(error, QStringLiteral("%1: %2").arg(folder,
                                                     QString::fromLocal8Bit(std::strerror(errno))));
        return false;
    }
    if (!S_ISDIR(status.st_mode)) {
        setError(error, QStringLiteral("%1 is not a folder").arg(folder));
        return false;
    }
    if (status.st_uid != getuid()) {
        setError(error, QStringLiteral("%1 belongs to another user").arg(folder));
        return false;
    }
    if ((status.st_mode & OthersAccess) != 0) {
        setError(error, QStringLiteral("%1 is open to other users (mode %2)")
                            .arg(folder)
                            .arg(status.st_mode & 0777, 3, 8, QLatin1Char('0')));
        return false;
    }
    return true;
}

QString RuntimeFolder::path(QString *error)
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime;
    const QString fallback = fallbackPath();
    // mkdir does not follow or replace what is there: an existing entry is
    // checked instead, whoever made it.
    if (mkdir(QFile::encodeName(fallback).constData(), PrivateMode) != 0 && errno != EEXIST) {
        setError(error, QStringLiteral("cannot create %1: %2")
                            .arg(fallback, QString::fromLocal8Bit(std::strerror(errno))));
        return {};
    }
    if (!isPrivate(fallback, error))
        return {};
    return fallback;
}

} // namespace orvex
