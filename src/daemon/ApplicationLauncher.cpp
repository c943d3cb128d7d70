// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationLauncher.h"

#include "platform/LauncherTarget.h"
#include "platform/UserDataFolder.h"
#include "platform/WexLogger.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace orvex {

namespace {

constexpr char DesktopSuffix[] = ".desktop";
constexpr char LaunchHelper[] = "orvex-launch";
constexpr char OpenOption[] = "--open";

QString &chosenHelperPath()
{
    static QString path;
    return path;
}

// Installed, the helper lives in the library-executables folder; in the
// build tree it sits beside the agent.
QString launchHelperPath()
{
    if (!chosenHelperPath().isEmpty())
        return chosenHelperPath();
    for (const QString &folder :
         {QCoreApplication::applicationDirPath(), QStringLiteral(ORVEX_INSTALL_LIBEXECDIR)}) {
        const QFileInfo candidate(folder + QLatin1Char('/') + QLatin1String(LaunchHelper));
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.absoluteFilePath();
    }
    return {};
}

} // namespace

QString ApplicationLauncher::configurationDesktopId()
{
    return QLatin1String(ApplicationIdentifier) + QLatin1String(DesktopSuffix);
}

void ApplicationLauncher::setLaunchHelperPath(const QString &path)
{
    chosenHelperPath() = path;
}

bool ApplicationLauncher::isConfigurationRunning()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    const QDBusReply<bool> owned =
        bus.interface()->isServiceRegistered(QLatin1String(ApplicationIdentifier));
    return owned.isValid() && owned.value();
}

bool ApplicationLauncher::open(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (!info.exists()) {
        ORVEX_DEBUG(QStringLiteral("not launched, no such file: %1").arg(path));
        return false;
    }
    if (info.isFile() && path.endsWith(QLatin1String(DesktopSuffix)))
        return launchDesktopFile(path);
    if (info.isFile() && info.isExecutable())
        return launchExecutable(path);
    return openWithDefault(path);
}

bool ApplicationLauncher::openLauncherPath(const QString &path)
{
    const QString refusal = LauncherTarget::refusal(path);
    if (refusal.isEmpty())
        return open(path);
    if (QFileInfo::exists(path))
        ORVEX_WARNING(QStringLiteral("launcher not started, %1: %2").arg(refusal, path));
    else
        ORVEX_DEBUG(QStringLiteral("launcher not started, %1: %2").arg(refusal, path));
    return false;
}

bool ApplicationLauncher::launchDesktopFile(const QString &path)
{
    return runLaunchHelper({path});
}

bool ApplicationLauncher::launchExecutable(const QString &path)
{
    // Detached: the program outlives the agent and is never our zombie.
    const bool started = QProcess::startDetached(path, {}, QFileInfo(path).absolutePath());
    if (!started)
        ORVEX_WARNING(QStringLiteral("cannot start %1").arg(path));
    return started;
}

bool ApplicationLauncher::openWithDefault(const QString &path)
{
    return runLaunchHelper({QLatin1String(OpenOption), QFileInfo(path).absoluteFilePath()});
}

// Detached, like a program the user starts: the agent never waits on a
// launch, and the helper reports a failure on the stderr it shares with us.
bool ApplicationLauncher::runLaunchHelper(const QStringList &arguments)
{
    const QString helper = launchHelperPath();
    if (helper.isEmpty()) {
        ORVEX_WARNING(QStringLiteral("cannot launch %1: %2 is not installed")
                          .arg(arguments.last(), QLatin1String(LaunchHelper)));
        return false;
    }
    if (!QProcess::startDetached(helper, arguments)) {
        ORVEX_WARNING(QStringLiteral("cannot start %1").arg(helper));
        return false;
    }
    return true;
}

QString ApplicationLauncher::configurationApplicationPath()
{
    const QString installed =
        QStandardPaths::locate(QStandardPaths::ApplicationsLocation, configurationDesktopId());
    if (!installed.isEmpty())
        return installed;
    // Installed programs share one folder; in the build tree each program
    // has a folder of its own below src/.
    const QString agentFolder = QCoreApplication::applicationDirPath();
    for (const QString &folder : {agentFolder, agentFolder + QStringLiteral("/../app")}) {
        const QFileInfo candidate(folder + QLatin1Char('/') +
                                  QLatin1String(ConfigurationExecutable));
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.canonicalFilePath();
    }
    return {};
}

} // namespace orvex
