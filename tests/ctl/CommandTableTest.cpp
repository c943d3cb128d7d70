// SPDX-License-Identifier: GPL-3.0-or-later
// orvexctl's command table against what is made from it or written about
// it: the command line parser, the README, the man page, the bash completion
// and the commands' behaviour without a mouse.
#include "CommandTable.h"

#include "TestEnvironment.h"

#include <QMap>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

using orvex::ctl::CommandTable;
using orvex::ctl::CtlCommand;
using orvex::ctl::CtlInvocation;

namespace {

QString readme()
{
    return QString::fromUtf8(orvex::test::readFile(QStringLiteral(ORVEX_SOURCE_DIR "/README.md")));
}

// The rows of the README's orvexctl command table, below its heading and
// separator rows.
QString readmeCommandRows(const QString &text)
{
    const qsizetype section = text.indexOf(QLatin1String("\n### orvexctl\n"));
    const qsizetype table = text.indexOf(QLatin1String("\n| command | what it does |\n"), section);
    if (section < 0 || table < 0)
        return {};
    QString rows;
    for (const QString &line : text.mid(table + 1).split(QLatin1Char('\n')).mid(2)) {
        if (!line.startsWith(QLatin1Char('|')))
            break;
        rows += line + QLatin1Char('\n');
    }
    return rows;
}

// A Markdown table cell cannot hold a bare '|'.
QString cell(QString text)
{
    return text.replace(QLatin1String("|"), QLatin1String("\\|"));
}

TEST(CommandTable, ReadmeListsTheCommandsAsTheUsageDoes)
{
    const QString text = readme();
    ASSERT_FALSE(text.isEmpty());
    QString expected;
    for (const CtlCommand &command : CommandTable::commands())
        expected +=
            QStringLiteral("| `%1` | %2 |\n").arg(cell(command.synopsis()), cell(command.help));
    EXPECT_EQ(readmeCommandRows(text).toStdString(), expected.toStdString());

    const QString usage = CommandTable::usage().section(QLatin1Char('\n'), 0, 0);
    const QString synopsis = usage.mid(usage.indexOf(QLatin1String("orvexctl ")));
    EXPECT_TRUE(text.contains(QLatin1String("\n    ") + synopsis + QLatin1Char('\n')))
        << synopsis.toStdString();
}

// The man page's tagged paragraph of `name`: its tag names the command in
// bold, its text follows on lines of its own.
QStringList manParagraphOf(const QString &page, const QString &name)
{
    const QString roffName = QString(name).replace(QLatin1Char('-'), QLatin1String("\\-"));
    const QRegularExpression tag(
        QStringLiteral("^\\.B[IR]? %1( |$)").arg(QRegularExpression::escape(roffName)));
    for (const QString &paragraph : page.split(QLatin1String("\n.TP\n"))) {
        const QStringList lines = paragraph.split(QLatin1Char('\n'));
        if (tag.match(lines.first()).hasMatch())
            return lines;
    }
    return {};
}

// The man page describes every command with its help text; the completion
// offers every command by name.
TEST(CommandTable, ManPageAndCompletionHaveEveryCommand)
{
    const QString page = QString::fromUtf8(
        orvex::test::readFile(QStringLiteral(ORVEX_SOURCE_DIR "/packaging/man/orvexctl.1")));
    const QString completion = QString::fromUtf8(orvex::test::readFile(
        QStringLiteral(ORVEX_SOURCE_DIR "/packaging/orvexctl.bash-completion")));
    ASSERT_FALSE(page.isEmpty());
    const QRegularExpression offered(QStringLiteral("local commands=\"([^\"]*)\""));
    const QStringList completed =
        offered.match(completion).captured(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList named;
    for (const CtlCommand &command : CommandTable::commands()) {
        named << command.name;
        EXPECT_TRUE(manParagraphOf(page, command.name).contains(command.help))
            << command.name.toStdString();
    }
    EXPECT_EQ(completed.join(QLatin1Char(' ')).toStdString(),
              named.join(QLatin1Char(' ')).toStdString());
}

TEST(CommandTable, ReadmeNamesTheCommandsAfterWhichTheAgentReloads)
{
    const QString text = readme().simplified();
    const QString lead = QStringLiteral("Commands that change the mouse or the stored profiles (");
    const qsizetype start = text.indexOf(lead);
    ASSERT_GE(start, 0);
    const qsizetype end = text.indexOf(QLatin1Char(')'), start);
    QStringList named = text.mid(start + lead.size(), end - start - lead.size())
                            .remove(QLatin1Char('`'))
                            .split(QStringLiteral(", "));
    QStringList changing;
    for (const CtlCommand &command : CommandTable::commands()) {
        if (command.changesProfilesOrMouse)
            changing << command.name;
    }
    named.sort();
    changing.sort();
    EXPECT_EQ(named.join(QLatin1Char(' ')).toStdString(),
              changing.join(QLatin1Char(' ')).toStdString());
}

// The parser splits off only the options the command's syntax names; each
// takes the next argument, whatever it is, and --json is the program's own.
TEST(CtlInvocation, SplitsTheOptionsOfTheCommand)
{
    struct Case
    {
        const char *line;
        const char *arguments;
        const char *options; // NAME=VALUE, or NAME alone when it has no value
        bool json;
    };
    const Case cases[] = {
        {"dump --slot 2", "", "--slot=2", false},
        {"apply --slot --json 1 Media", "Media", "--slot=1", true},
        {"apply Media --slot", "Media", "--slot", false},
        // A switch takes no value.
        {"apply --changed-only Media --slot 1", "Media", "--changed-only --slot=1", false},
        {"dump --slot --slot 3", "3", "--slot=--slot", false},
        {"dump --slot 1 --slot 4", "", "--slot=1 --slot=4", false},
        // Not options of these commands: left among their arguments.
        {"import --slot 1", "--slot 1", "", false},
        {"info --settle 0", "--settle 0", "", false},
        {"nosuch --slot 1", "--slot 1", "", false},
    };
    for (const Case &c : cases) {
        QString error;
        const auto parsed =
            CtlInvocation::parse(QString::fromLatin1(c.line).split(QLatin1Char(' ')), &error);
        ASSERT_TRUE(parsed) << c.line;
        QStringList options;
        for (const CtlInvocation::Option &option : parsed->options)
            options << (option.value ? option.name + QLatin1Char('=') + *option.value
                                     : option.name);
        EXPECT_EQ(parsed->arguments.join(QLatin1Char(' ')).toStdString(), c.arguments) << c.line;
        EXPECT_EQ(options.join(QLatin1Char(' ')).toStdString(), c.options) << c.line;
        EXPECT_EQ(parsed->json, c.json) << c.line;
    }
}

// Run with a mouse that is not there, a command that needs the mouse says so
// (status 1), and one that does not still does its work.
TEST(CommandTable, OnlyCommandsThatNeedTheMouseLookForIt)
{
    const QString folder = orvex::test::freshFolder(QStringLiteral("no-mouse"));
    const QString file = folder + QStringLiteral("/Everyday.pro");
    // In this order: export writes the file the later commands read.
    const QList<std::pair<QString, QStringList>> samples = {
        {QStringLiteral("info"), {}},
        {QStringLiteral("read"), {QStringLiteral("0")}},
        {QStringLiteral("write"), {QStringLiteral("0"), QStringLiteral("0")}},
        {QStringLiteral("select"), {QStringLiteral("0")}},
        {QStringLiteral("reload"), {}},
        {QStringLiteral("reset"), {}},
        {QStringLiteral("dump"), {}},
        {QStringLiteral("profiles"), {}},
        {QStringLiteral("import"), {QStringLiteral("--settle"), QStringLiteral("0")}},
        {QStringLiteral("apply"),
         {QStringLiteral("Everyday"), QStringLiteral("--slot"), QStringLiteral("0")}},
        {QStringLiteral("export"), {QStringLiteral("Everyday"), file}},
        {QStringLiteral("show-file"), {file}},
        {QStringLiteral("import-file"), {file}},
    };
    QStringList tried;
    for (const auto &[name, arguments] : samples) {
        const CtlCommand *command = CommandTable::find(name);
        ASSERT_NE(command, nullptr) << name.toStdString();
        tried << name;
        QProcess process;
        process.start(QStringLiteral(ORVEXCTL_PATH),
                      QStringList{QStringLiteral("--device"),
                                  QStringLiteral("sim:") + folder + QStringLiteral("/absent.sock"),
                                  name} +
                          arguments);
        ASSERT_TRUE(process.waitForFinished(30000)) << name.toStdString();
        const QString err = QString::fromUtf8(process.readAllStandardError());
        const bool lookedForMouse = err.startsWith(QLatin1String("orvexctl: no mouse"));
        EXPECT_EQ(lookedForMouse, command->needsMouse)
            << name.toStdString() << ": " << err.toStdString();
        if (command->needsMouse)
            EXPECT_EQ(process.exitCode(), orvex::ctl::ExitDeviceError) << name.toStdString();
        else
            EXPECT_NE(process.exitCode(), orvex::ctl::ExitUsageError)
                << name.toStdString() << ": " << err.toStdString();
    }
    for (const CtlCommand &command : CommandTable::commands())
        EXPECT_TRUE(tried.contains(command.name))
            << "no sample command line for " << command.name.toStdString();
}

} // namespace
