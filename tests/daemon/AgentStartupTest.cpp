// SPDX-License-Identifier: GPL-3.0-or-later
// How a session starts the agent, from the files `cmake --install` puts in
// place: a session run by systemd starts the user unit and skips the
// autostart entry (as systemd's own autostart generator decides), and the
// unit restarts a crashed agent but not one that left on purpose.
#include "TestEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <string>

namespace orvex::test {
namespace {

const QString EntryName = QStringLiteral("com.kelto.orvexDaemon.desktop");
const QString UnitName = QStringLiteral("orvex-daemon.service");

// Answers the exit code (-1 when it did not end normally); collects the output.
int run(const QString &program, const QStringList &arguments, QString *output = nullptr,
        const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished())
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(process.readAll());
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

// The values of `key` in a unit or desktop entry, space-separated lists split.
std::string values(const QByteArray &file, const QString &key)
{
    QStringList found;
    for (const QString &line : QString::fromUtf8(file).split(u'\n')) {
        if (line.startsWith(key + u'='))
            found += line.mid(key.size() + 1).split(u' ', Qt::SkipEmptyParts);
    }
    return found.join(u' ').toStdString();
}

// The file with the agent where the build put it (the generator skips an
// entry whose program is missing), less the line that starts with `without`.
QByteArray forThisBuild(const QByteArray &file, const QString &without = {})
{
    QStringList lines;
    for (const QString &line : QString::fromUtf8(file).split(u'\n')) {
        const QString key = line.section(u'=', 0, 0);
        if (key == QLatin1String("Exec") || key == QLatin1String("TryExec") ||
            key == QLatin1String("ExecStart"))
            lines << key + QStringLiteral("=" DAEMON_PATH);
        else if (without.isEmpty() || !line.startsWith(without))
            lines << line;
    }
    return lines.join(u'\n').toUtf8();
}

QString autostartGenerator()
{
    return QStandardPaths::findExecutable(QStringLiteral("systemd-xdg-autostart-generator"),
                                          {QStringLiteral("/usr/lib/systemd/user-generators"),
                                           QStringLiteral("/lib/systemd/user-generators")});
}

// The units the generator makes of `entry`, as a session run by systemd would.
std::string generatedUnits(const QByteArray &entry)
{
    const QString folder = freshFolder(QStringLiteral("generator"));
    for (const char *sub : {"/config/autostart", "/home", "/units"})
        QDir().mkpath(folder + QLatin1String(sub));
    writeFile(folder + QStringLiteral("/config/autostart/") + EntryName, entry);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), folder + QStringLiteral("/config"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), folder + QStringLiteral("/home"));
    const QString units = folder + QStringLiteral("/units");
    if (run(autostartGenerator(), {units, units, units}, nullptr, environment) != 0)
        return "generator failed";
    return QDir(units).entryList({QStringLiteral("*.service")}).join(u' ').toStdString();
}

class AgentStartupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        installed = freshFolder(QStringLiteral("install"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DESTDIR"), installed);
        QString output;
        ASSERT_EQ(run(QStringLiteral(CMAKE_PATH),
                      {QStringLiteral("-P"),
                       QStringLiteral(ORVEX_BINARY_DIR "/packaging/cmake_install.cmake")},
                      &output, environment),
                  0)
            << output.toStdString();
        unit = readFile(installed + QStringLiteral(ORVEX_SYSTEMD_USER_DIR "/") + UnitName);
        entry = readFile(installed + QStringLiteral(ORVEX_AUTOSTART_DIR "/") + EntryName);
        ASSERT_FALSE(unit.isEmpty());
        ASSERT_FALSE(entry.isEmpty());
    }

    QString installed;
    QByteArray unit;
    QByteArray entry;
};

TEST_F(AgentStartupTest, SessionsRunBySystemdStartTheUnitAndSkipTheEntry)
{
    const QString unitFolder = installed + QStringLiteral(ORVEX_SYSTEMD_USER_DIR);
    const QFileInfo wanted(unitFolder + QStringLiteral("/graphical-session.target.wants/") +
                           UnitName);
    EXPECT_TRUE(wanted.isSymLink());
    EXPECT_EQ(wanted.canonicalFilePath().toStdString(),
              QFileInfo(unitFolder + u'/' + UnitName).canonicalFilePath().toStdString());
    EXPECT_EQ(values(unit, QStringLiteral("PartOf")), "graphical-session.target");
    // gnome-session's own mark; that program is not here to ask.
    EXPECT_EQ(values(entry, QStringLiteral("X-GNOME-HiddenUnderSystemd")), "true");

    if (autostartGenerator().isEmpty())
        GTEST_SKIP() << "systemd's autostart generator is not installed";
    EXPECT_EQ(generatedUnits(forThisBuild(entry)), "");
    // Unmarked, the entry would start a second agent.
    EXPECT_EQ(generatedUnits(forThisBuild(entry, QStringLiteral("X-systemd-skip="))),
              "app-com.kelto.orvexDaemon@autostart.service");
}

TEST_F(AgentStartupTest, TheUnitRestartsACrashedAgentButNotOneThatLeftOnPurpose)
{
    EXPECT_EQ(values(unit, QStringLiteral("Restart")), "on-failure");
    // A wrong command line would fail again at every restart.
    const int usageStatus = run(QStringLiteral(DAEMON_PATH), {QStringLiteral("--no-such-option")});
    ASSERT_GT(usageStatus, 0);
    EXPECT_EQ(values(unit, QStringLiteral("RestartPreventExitStatus")),
              std::to_string(usageStatus));

    if (QStandardPaths::findExecutable(QStringLiteral("systemd-analyze")).isEmpty())
        GTEST_SKIP() << "systemd-analyze is not installed";
    const QString copy = freshFolder(QStringLiteral("unit")) + u'/' + UnitName;
    writeFile(copy, forThisBuild(unit));
    QString verdict;
    EXPECT_EQ(run(QStringLiteral("systemd-analyze"),
                  {QStringLiteral("verify"), QStringLiteral("--man=no"), copy}, &verdict),
              0);
    EXPECT_EQ(verdict.toStdString(), "") << "systemd's check of the unit";
}

} // namespace
} // namespace orvex::test
