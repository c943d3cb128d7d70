// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplicationLauncher.h"

#include "platform/UserDataFolder.h"
#include "platform/WexLogger.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <memory>

namespace orvex {

namespace {

constexpr char DesktopSuffix[] = ".desktop";

struct GObjectDeleter
{
    void operator()(gpointer object) const { g_object_unref(object); }
};
template <typename T> using GObjectPtr = std::unique_ptr<T, GObjectDeleter>;

struct GErrorDeleter
{
    void operator()(GError *error) const { g_error_free(error); }
};
using GErrorPtr = std::unique_ptr<GError, GErrorDeleter>;

QString errorText(const GErrorPtr &error)
{
    return error ? QString::fromUtf8(error->message) : QStringLiteral("unknown error");
}

} // namespace

QString ApplicationLauncher::configurationDesktopId()
{
    return QLatin1String(ApplicationIdentifier) + QLatin1String(DesktopSuffix);
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

bool ApplicationLauncher::launchDesktopFile(const QString &path)
{
    GObjectPtr<GDesktopAppInfo> application(
        g_desktop_app_info_new_from_filename(QFile::encodeName(path).constData()));
    if (!application) {
        ORVEX_WARNING(QStringLiteral("not a usable desktop entry: %1").arg(path));
        return false;
    }
    GError *rawError = nullptr;
    const bool launched =
        g_app_info_launch(G_APP_INFO(application.get()), nullptr, nullptr, &rawError);
    const GErrorPtr error(rawError);
    if (!launched)
        ORVEX_WARNING(QStringLiteral("cannot launch %1: %2").arg(path, errorText(error)));
    return launched;
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
    const QByteArray uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded();
    GError *rawError = nullptr;
    const bool opened = g_app_info_launch_default_for_uri(uri.constData(), nullptr, &rawError);
    const GErrorPtr error(rawError);
    if (!opened)
        ORVEX_WARNING(QStringLiteral("cannot open %1: %2").arg(path, errorText(error)));
    return opened;
}

QString ApplicationLauncher::configurationApplicationPath()
{
    GObjectPtr<GDesktopAppInfo> installed(
        g_desktop_app_info_new(configurationDesktopId().toUtf8().constData()));
    if (installed) {
        if (const char *file = g_desktop_app_info_get_filename(installed.get()))
            return QFile::decodeName(file);
    }
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
