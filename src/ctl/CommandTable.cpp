// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandTable.h"

#include "DeviceCommands.h"
#include "ProfileCommands.h"
#include "StoreCommands.h"

namespace orvex::ctl {

namespace {

// Synopses up to this width share a line with their help; longer ones have
// the help on the next line, at the same column.
constexpr int SynopsisWidth = 20;
constexpr int Indent = 2;

template <typename Commands, int (Commands::*Run)(const CtlInvocation &)>
int handle(const CtlInvocation &invocation, QTextStream &out, QTextStream &err)
{
    Commands commands(out, err);
    return (commands.*Run)(invocation);
}

// The columns needsMouse and changesProfilesOrMouse of the table below.
constexpr bool Mouse = true;
constexpr bool NoMouse = false;
constexpr bool Changes = true; // the mouse or the stored profiles
constexpr bool Keeps = false;

QList<CtlCommand> makeCommands()
{
    // clang-format off
    return {
        {QStringLiteral("info"), QString(),
         QStringLiteral("the mouse, its active onboard profile and the profile names"),
         Mouse, Keeps, &handle<DeviceCommands, &DeviceCommands::info>},
        {QStringLiteral("read"), QStringLiteral("ADDR"),
         QStringLiteral("print the byte at ADDR of the mouse's memory as 0xNN"),
         Mouse, Keeps, &handle<DeviceCommands, &DeviceCommands::read>},
        {QStringLiteral("write"), QStringLiteral("ADDR VALUE"),
         QStringLiteral("write VALUE at ADDR (applied by the next reload)"),
         Mouse, Changes, &handle<DeviceCommands, &DeviceCommands::write>},
        {QStringLiteral("select"), QStringLiteral("SLOT"),
         QStringLiteral("make onboard profile SLOT (%1) the active one")
             .arg(CtlInvocation::slotRange()),
         Mouse, Changes, &handle<DeviceCommands, &DeviceCommands::select>},
        {QStringLiteral("reload"), QString(),
         QStringLiteral("apply written memory"),
         Mouse, Changes, &handle<DeviceCommands, &DeviceCommands::reload>},
        {QStringLiteral("reset"), QString(),
         QStringLiteral("restart the mouse's firmware"),
         Mouse, Changes, &handle<DeviceCommands, &DeviceCommands::reset>},
        {QStringLiteral("dump"), QStringLiteral("[--slot N]"),
         QStringLiteral("the onboard profiles: buttons, lighting, DPI, rate, lift-off"),
         Mouse, Keeps, &handle<ProfileCommands, &ProfileCommands::dump>},
        {QStringLiteral("show-file"), QStringLiteral("FILE.pro"),
         QStringLiteral("decode a profile file without touching the mouse"),
         NoMouse, Keeps, &handle<ProfileCommands, &ProfileCommands::showFile>},
        {QStringLiteral("profiles"), QString(),
         QStringLiteral("the stored profiles, their identifiers and onboard slots"),
         NoMouse, Keeps, &handle<StoreCommands, &StoreCommands::profiles>},
        {QStringLiteral("import"), QStringLiteral("[--settle MS]"),
         QStringLiteral("read the five onboard profiles into the stored profiles"),
         Mouse, Changes, &handle<StoreCommands, &StoreCommands::import>},
        {QStringLiteral("apply"), QStringLiteral("NAME|FILE.pro --slot N [--changed-only]"),
         QStringLiteral("bind a stored profile (or a profile file) to slot N and write it; "
                        "--changed-only reads the slot first and writes only the bytes that differ"),
         Mouse, Changes, &handle<StoreCommands, &StoreCommands::apply>},
        {QStringLiteral("export"), QStringLiteral("NAME FILE.pro"),
         QStringLiteral("write a stored profile to a file"),
         NoMouse, Keeps, &handle<StoreCommands, &StoreCommands::exportFile>},
        {QStringLiteral("import-file"), QStringLiteral("FILE.pro"),
         QStringLiteral("add a profile file to the stored profiles"),
         NoMouse, Changes, &handle<StoreCommands, &StoreCommands::importFile>},
    };
    // clang-format on
}

} // namespace

const QList<CtlCommand> &CommandTable::commands()
{
    static const QList<CtlCommand> table = makeCommands();
    return table;
}

const CtlCommand *CommandTable::find(const QString &name)
{
    for (const CtlCommand &command : commands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

QString CommandTable::commandLines()
{
    const QString indent(Indent, QLatin1Char(' '));
    QString lines;
    for (const CtlCommand &command : commands()) {
        const QString synopsis = command.synopsis();
        if (synopsis.size() <= SynopsisWidth)
            lines += indent + synopsis.leftJustified(SynopsisWidth) + QLatin1Char(' ');
        else
            lines += indent + synopsis + QLatin1Char('\n') +
                     QString(Indent + SynopsisWidth + 1, QLatin1Char(' '));
        lines += command.help + QLatin1Char('\n');
    }
    return lines;
}

QString CommandTable::usage()
{
    return QStringLiteral("usage: orvexctl [--device SELECTOR] [--json] COMMAND [ARGS]\n"
                          "\n"
                          "Commands:\n") +
           commandLines() +
           QStringLiteral(
               "\n"
               "Exit status: 0 done, 1 no mouse, it stopped answering, or the profile folder "
               "could\n"
               "not be written, 2 wrong command line, 3 missing or unreadable profile file, 4 a\n"
               "stored profile already has that name.\n"
               "Numbers are decimal or 0x hexadecimal. SELECTOR is hid (the USB mouse, "
               "default),\n"
               "sim (the virtual mouse) or sim:PATH (the virtual mouse at the socket PATH); the\n"
               "environment variable ORVEX_DEVICE gives it when --device is not used.\n");
}

} // namespace orvex::ctl
