// SPDX-License-Identifier: GPL-3.0-or-later
// The agent's tests need a GUI application (the display window), so they
// have their own main: the XDG folders point at private temporary ones, as
// for every other test program, and Qt draws on the offscreen platform.
// The system bus is one that does not exist, so no test (nor any agent it
// starts) follows the machine's own login session; the tests of session
// following serve a logind of their own.
#include "TestEnvironment.h"

#include <QFile>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    orvex::test::useTemporaryXdgFolders();
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const QByteArray noSystemBus =
        "unix:path=" + QFile::encodeName(orvex::test::temporaryRoot()) + "/no-system-bus";
    setenv("DBUS_SYSTEM_BUS_ADDRESS", noSystemBus.constData(), 1);
    QGuiApplication app(argc, argv);
    QGuiApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
