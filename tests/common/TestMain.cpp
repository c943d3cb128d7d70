// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestEnvironment.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

// Points the XDG folders at private temporary ones before any code under test
// can read them, and provides the Qt application object that sockets and
// timers need.
int main(int argc, char **argv)
{
    orvex::test::useTemporaryXdgFolders();
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
