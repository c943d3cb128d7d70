// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserDataFolder.h"

#include "platform/ProcessState.h"
#include "platform/WexLogger.h"

#include <QDir>
#include <QMutex>
#include <QMutexLocker>

namespace orvex {

namespace {
QMutex pathMutex;
QString currentPath;
const bool registeredReset = ProcessState::add("UserDataFolder", &UserDataFolder::resetState);
} // namespace

QString UserDataFolder::dataHome()
{
    const QString fromEnvironment = qEnvironmentVariable("XDG_DATA_HOME");
    // Relative values are invalid by the XDG rules and are ignored.
    if (!fromEnvironment.isEmpty() && QDir::isAbsolutePath(fromEnvironment))
        return QDir::cleanPath(fromEnvironment);
    return QDir::homePath() + QStringLiteral("/.local/share");
}

QString UserDataFolder::getSysPath()
{
    const QString path =
        QDir::cleanPath(dataHome() + QLatin1Char('/') + QLatin1String(ApplicationIdentifier));
    {
        QMutexLocker lock(&pathMutex);
        currentPath = path;
    }
    ORVEX_DEBUG(QStringLiteral("user data folder %1").arg(path));
    if (!QDir().mkpath(path))
        ORVEX_WARNING(QStringLiteral("cannot create the user data folder %1").arg(path));
    return path;
}

QString UserDataFolder::sysPath()
{
    QMutexLocker lock(&pathMutex);
    return currentPath;
}

void UserDataFolder::resetState()
{
    QMutexLocker lock(&pathMutex);
    currentPath.clear();
}

} // namespace orvex
