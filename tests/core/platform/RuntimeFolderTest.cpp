// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RuntimeFolder.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using orvex::RuntimeFolder;

namespace {

constexpr uid_t StrangerUid = 65534;

mode_t permissionsOf(const QString &path)
{
    struct stat info = {};
    ::lstat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 07777;
}

} // namespace

// The folder that holds sockets and locks when there is no runtime folder:
// whatever another user could have prepared at its path is refused and left
// as it was.
TEST(RuntimeFolder, PrivateFolderIsMadeForThisUserAloneAndAnUnsafeOneIsRefused)
{
    const QString root = orvex::test::freshFolder(QStringLiteral("private"));
    const QString made = root + QStringLiteral("/made");
    QString error;
    ASSERT_TRUE(RuntimeFolder::ensurePrivateFolder(made, &error)) << error.toStdString();
    EXPECT_EQ(permissionsOf(made), mode_t(0700));
    EXPECT_TRUE(RuntimeFolder::ensurePrivateFolder(made, &error)) << error.toStdString();

    const QString open = root + QStringLiteral("/open");
    QDir().mkdir(open);
    ::chmod(QFile::encodeName(open).constData(), 0755);
    const QString link = root + QStringLiteral("/link");
    QFile::link(made, link);
    const QString file = root + QStringLiteral("/file");
    orvex::test::writeFile(file, "kept");
    QStringList unsafe{open, link, file};
    if (::geteuid() == 0) {
        const QString theirs = root + QStringLiteral("/theirs");
        QDir().mkdir(theirs);
        ::chmod(QFile::encodeName(theirs).constData(), 0700);
        ASSERT_EQ(::chown(QFile::encodeName(theirs).constData(), StrangerUid, StrangerUid), 0);
        unsafe << theirs;
    }
    for (const QString &path : unsafe) {
        error.clear();
        EXPECT_FALSE(RuntimeFolder::ensurePrivateFolder(path, &error)) << path.toStdString();
        EXPECT_TRUE(error.contains(path) && !error.contains(QLatin1Char('\n')))
            << error.toStdString();
    }
    EXPECT_EQ(permissionsOf(open), mode_t(0755));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(orvex::test::readFile(file), QByteArray("kept"));
}
