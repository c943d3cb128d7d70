// SPDX-License-Identifier: GPL-3.0-or-later
// orvex-launch: starts a desktop entry, or opens a file with the desktop's
// default application, through GIO, then exits. The agent hands its launches
// to this short-lived program so that the GIO and GObject libraries are never
// loaded into the agent, which runs all session long.
//
//   orvex-launch FILE.desktop   launch the entry
//   orvex-launch --open PATH    open PATH with its default application
//
// Exit status: 0 launched, 1 not launched (the reason on stderr), 2 usage.
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int ExitLaunched = 0;
constexpr int ExitNotLaunched = 1;
constexpr int ExitUsage = 2;

int fail(const char *what, const char *path, GError *error)
{
    std::fprintf(stderr, "orvex-launch: %s %s: %s\n", what, path,
                 error ? error->message : "not a usable desktop entry");
    if (error)
        g_error_free(error);
    return ExitNotLaunched;
}

int launchDesktopEntry(const char *path)
{
    GDesktopAppInfo *entry = g_desktop_app_info_new_from_filename(path);
    if (!entry)
        return fail("cannot launch", path, nullptr);
    GError *error = nullptr;
    const gboolean launched = g_app_info_launch(G_APP_INFO(entry), nullptr, nullptr, &error);
    g_object_unref(entry);
    return launched ? ExitLaunched : fail("cannot launch", path, error);
}

int openWithDefault(const char *path)
{
    GFile *file = g_file_new_for_commandline_arg(path);
    char *uri = g_file_get_uri(file);
    g_object_unref(file);
    GError *error = nullptr;
    const gboolean opened = g_app_info_launch_default_for_uri(uri, nullptr, &error);
    g_free(uri);
    return opened ? ExitLaunched : fail("cannot open", path, error);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && argv[1][0] != '-')
        return launchDesktopEntry(argv[1]);
    if (argc == 3 && std::strcmp(argv[1], "--open") == 0)
        return openWithDefault(argv[2]);
    std::fputs("usage: orvex-launch FILE.desktop | orvex-launch --open PATH\n", stderr);
    return ExitUsage;
}
