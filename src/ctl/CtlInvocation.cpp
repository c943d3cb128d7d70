// SPDX-License-Identifier: GPL-3.0-or-later
#include "CtlInvocation.h"

namespace orvex::ctl {

QString CtlInvocation::usage()
{
    return QStringLiteral(
        "usage: orvexctl [--device SELECTOR] [--json] COMMAND [ARGS]\n"
        "\n"
        "Commands:\n"
        "  info                 the mouse, its active onboard profile and the profile names\n"
        "  read ADDR            print the byte at ADDR of the mouse's memory as 0xNN\n"
        "  write ADDR VALUE     write VALUE at ADDR (applied by the next reload)\n"
        "  select SLOT          make onboard profile SLOT (0..4) the active one\n"
        "  reload               apply written memory\n"
        "  reset                restart the mouse's firmware\n"
        "  dump [--slot N]      the onboard profiles: buttons, lighting, DPI, rate, lift-off\n"
        "  show-file FILE.pro   decode a profile file without touching the mouse\n"
        "  profiles             the stored profiles, their identifiers and onboard slots\n"
        "  import [--settle MS] read the five onboard profiles into the stored profiles\n"
        "  apply NAME|FILE.pro --slot N\n"
        "                       bind a stored profile (or a profile file) to slot N and write it\n"
        "  export NAME FILE.pro write a stored profile to a file\n"
        "  import-file FILE.pro add a profile file to the stored profiles\n"
        "\n"
        "Exit status: 0 done, 1 no mouse, it stopped answering, or the profile folder could\n"
        "not be written, 2 wrong command line, 3 missing or unreadable profile file, 4 a\n"
        "stored profile already has that name.\n"
        "Numbers are decimal or 0x hexadecimal. SELECTOR is hid (the USB mouse, default),\n"
        "sim (the virtual mouse) or sim:PATH (the virtual mouse at the socket PATH); the\n"
        "environment variable ORVEX_DEVICE gives it when --device is not used.\n");
}

bool CtlInvocation::changesProfilesOrMouse() const
{
    for (const char *name :
         {"write", "select", "reload", "reset", "import", "apply", "import-file"}) {
        if (command == QLatin1String(name))
            return true;
    }
    return false;
}

std::optional<int> CtlInvocation::number(const QString &text, int minimum, int maximum)
{
    bool ok = false;
    const bool hex = text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X"));
    const int value = hex ? text.mid(2).toInt(&ok, 16) : text.toInt(&ok, 10);
    if (!ok || (hex && text.size() == 2) || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

std::optional<CtlInvocation> CtlInvocation::parse(const QStringList &arguments, QString *error)
{
    CtlInvocation invocation;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!invocation.command.isEmpty()) {
            if (argument == QLatin1String("--json"))
                invocation.json = true;
            else
                invocation.arguments << argument;
        } else if (argument == QLatin1String("--device")) {
            if (++i == arguments.size()) {
                *error = QStringLiteral("--device needs a SELECTOR");
                return std::nullopt;
            }
            invocation.device = arguments[i];
        } else if (argument.startsWith(QLatin1String("--device="))) {
            invocation.device = argument.mid(int(sizeof("--device=") - 1));
        } else if (argument == QLatin1String("--json")) {
            invocation.json = true;
        } else if (argument.startsWith(QLatin1Char('-')) && argument != QLatin1String("-")) {
            if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
                invocation.command = QStringLiteral("help");
                return invocation;
            }
            *error = QStringLiteral("unknown option %1").arg(argument);
            return std::nullopt;
        } else {
            invocation.command = argument;
        }
    }
    if (invocation.command.isEmpty()) {
        *error = QStringLiteral("no command given (try orvexctl --help)");
        return std::nullopt;
    }
    return invocation;
}

} // namespace orvex::ctl
