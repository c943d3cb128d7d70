// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace orvex {

// Starting things on the user's desktop for the agent.
class ApplicationLauncher
{
public:
    // The configuration application's desktop entry id; it is also the D-Bus
    // name the running application owns.
    static QString configurationDesktopId();
    // The executable's name, looked for beside the agent when no desktop
    // entry is installed (a build tree, an unpackaged install).
    static constexpr char ConfigurationExecutable[] = "OrvexOption";

    // Whether some process owns the configuration application's bus name;
    // false without a session bus.
    static bool isConfigurationRunning();

    // Opens `path`: a .desktop file is launched through GIO, an executable
    // file is started detached, any other existing file or folder is opened
    // with the desktop's default application. Answers false, doing nothing,
    // for an empty path or one that does not exist. Entries and files are
    // handed to the launch helper orvex-launch, which reports a failed launch
    // itself; false then means it could not be handed on.
    static bool open(const QString &path);

    // open() for the path of a launcher button, which comes from a profile
    // file and may have come from anyone: a path LauncherTarget refuses is
    // not opened, with a warning that says why (a debug line only when the
    // path does not exist). Answers whether it was opened.
    static bool openLauncherPath(const QString &path);

    // The launch helper to use instead of the one beside the agent or
    // installed (for programs that run from elsewhere, such as tests).
    static void setLaunchHelperPath(const QString &path);

    // The installed configuration application: its desktop entry, else the
    // executable beside the agent; empty when neither is there.
    static QString configurationApplicationPath();

private:
    static bool launchDesktopFile(const QString &path);
    static bool launchExecutable(const QString &path);
    static bool openWithDefault(const QString &path);
    static bool runLaunchHelper(const QStringList &arguments);
};

} // namespace orvex
