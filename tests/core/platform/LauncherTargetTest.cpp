// SPDX-License-Identifier: GPL-3.0-or-later
// Which launcher paths may be started: real files, folders and links.
#include "platform/LauncherTarget.h"

#include "TestEnvironment.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using orvex::LauncherTarget;

namespace {

constexpr uid_t Nobody = 65534;

QString file(const QString &path, bool executable)
{
    orvex::test::writeFile(path, "#!/bin/sh\n");
    if (executable)
        QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    return path;
}

void addPermission(const QString &path, QFileDevice::Permission permission)
{
    QFile::setPermissions(path, QFile::permissions(path) | permission);
}

} // namespace

TEST(LauncherTarget, ProgramsAndEntriesOnlyWhereNobodyElseCanChangeThem)
{
    const QString folder = orvex::test::freshFolder(QStringLiteral("target"));
    const QString program = file(folder + QStringLiteral("/game"), true);
    const QString entry = file(folder + QStringLiteral("/game.desktop"), false);
    EXPECT_EQ(LauncherTarget::refusal(program), QString());
    EXPECT_EQ(LauncherTarget::refusal(entry), QString());
    // A sticky folder writable by all (like /tmp) keeps our entries ours.
    const QString sticky = folder + QStringLiteral("/sticky");
    QDir().mkpath(sticky);
    ASSERT_EQ(::chmod(QFile::encodeName(sticky).constData(), 01777), 0);
    EXPECT_EQ(LauncherTarget::refusal(file(sticky + QStringLiteral("/run"), true)), QString());

    const QString text = file(folder + QStringLiteral("/notes.txt"), false);
    const QString groupWritable = file(folder + QStringLiteral("/group"), true);
    addPermission(groupWritable, QFileDevice::WriteGroup);
    const QString open = folder + QStringLiteral("/open");
    QDir().mkpath(open);
    addPermission(open, QFileDevice::WriteOther);
    const QString planted = file(open + QStringLiteral("/run"), true);
    // A link is as safe as the folder holding it, whatever it points at.
    const QString link = open + QStringLiteral("/link");
    QFile::link(program, link);
    const QString linkToPlanted = folder + QStringLiteral("/to-planted");
    QFile::link(planted, linkToPlanted);

    const QList<std::pair<QString, QString>> refused = {
        {QString(), QStringLiteral("no path")},
        {QStringLiteral("game"), QStringLiteral("not an absolute path")},
        {folder + QStringLiteral("/gone"), QStringLiteral("no such file")},
        {folder, QStringLiteral("not a regular file")},
        {text, QStringLiteral("neither executable nor a desktop entry")},
        {groupWritable, QStringLiteral("writable by group or others")},
        {planted, QStringLiteral("folder %1 is writable by group or others").arg(open)},
        {link, QStringLiteral("folder %1 is writable by group or others").arg(open)},
        {linkToPlanted, QStringLiteral("folder %1 is writable by group or others").arg(open)},
    };
    for (const auto &[path, reason] : refused)
        EXPECT_EQ(LauncherTarget::refusal(path), reason) << path.toStdString();
}

TEST(LauncherTarget, FilesAndFoldersOfOtherUsersAreRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "giving a file to another user needs root";
    const QString folder = orvex::test::freshFolder(QStringLiteral("target"));
    const QString theirs = file(folder + QStringLiteral("/theirs"), true);
    ASSERT_EQ(::chown(QFile::encodeName(theirs).constData(), Nobody, Nobody), 0);
    EXPECT_EQ(LauncherTarget::refusal(theirs), QStringLiteral("it is owned by user id 65534"));

    const QString theirFolder = folder + QStringLiteral("/their-folder");
    QDir().mkpath(theirFolder);
    const QString inside = file(theirFolder + QStringLiteral("/run"), true);
    ASSERT_EQ(::chown(QFile::encodeName(theirFolder).constData(), Nobody, Nobody), 0);
    EXPECT_EQ(LauncherTarget::refusal(inside),
              QStringLiteral("folder %1 is owned by user id 65534").arg(theirFolder));
}
