// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserDataFolder.h"
#include "platform/WexLogger.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cstdlib>

using orvex::UserDataFolder;
using orvex::WexLogger;

TEST(UserDataFolder, FollowsXdgDataHomeAndCreatesTheFolder)
{
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    const QString base =
        orvex::test::freshFolder(QStringLiteral("data")) + QStringLiteral("/deep/er");
    setenv("XDG_DATA_HOME", QFile::encodeName(base).constData(), 1);
    const QString path = UserDataFolder::getSysPath();
    EXPECT_EQ(path, base + QStringLiteral("/com.kelto.orvexOption"));
    EXPECT_TRUE(QDir(path).exists());
    EXPECT_EQ(UserDataFolder::sysPath(), path);

    // A relative value is not a valid XDG folder and falls back to the home default.
    setenv("XDG_DATA_HOME", "relative/data", 1);
    EXPECT_EQ(UserDataFolder::dataHome(), QDir::homePath() + QStringLiteral("/.local/share"));

    setenv("XDG_DATA_HOME", saved.constData(), 1);
    UserDataFolder::resetState();
    EXPECT_TRUE(UserDataFolder::sysPath().isEmpty());
}

TEST(WexLogger, DebugLinesGoToTheDebugFileWithFileAndLine)
{
    const QString file =
        orvex::test::freshFolder(QStringLiteral("log")) + QStringLiteral("/debug.log");
    WexLogger::setDebugFile(file);
    ORVEX_DEBUG(QStringLiteral("currBtnIndex %1").arg(3));
    const int line = __LINE__ - 1;
    WexLogger::setDebugFile(QString());
    ORVEX_DEBUG(QStringLiteral("not written"));

    QFile log(file);
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(log.readAll());
    EXPECT_TRUE(
        text.contains(QStringLiteral("UserDataFolderTest.cpp:%1: currBtnIndex 3").arg(line)))
        << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("not written")));
}
