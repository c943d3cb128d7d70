// SPDX-License-Identifier: GPL-3.0-or-later
// The agent's tests need a GUI application (the display window), so they
// have their own main: the XDG folders point at private temporary ones, as
// for every other test program, and Qt draws on the offscreen platform.
#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char **argv)
{
    const QString root = orvex::test::temporaryRoot();
    for (const char *variable : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"}) {
        const QString folder = root + QLatin1Char('/') + QString::fromLatin1(variable).toLower();
        QDir().mkpath(folder);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
        setenv(variable, QFile::encodeName(folder).constData(), 1);
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    QGuiApplication::setQuitOnLastWindowClosed(false);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
