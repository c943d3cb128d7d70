// SPDX-License-Identifier: GPL-3.0-or-later
#include "CtlInvocation.h"

#include "CommandTable.h"

namespace orvex::ctl {

std::optional<int> CtlInvocation::number(const QString &text, int minimum, int maximum)
{
    bool ok = false;
    const bool hex = text.startsWith(QLatin1String("0x")) || text.startsWith(QLatin1String("0X"));
    const int value = hex ? text.mid(2).toInt(&ok, 16) : text.toInt(&ok, 10);
    if (!ok || (hex && text.size() == 2) || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

QString CtlInvocation::range(int minimum, int maximum)
{
    return QStringLiteral("%1..%2").arg(minimum).arg(maximum);
}

QList<std::optional<QString>> CtlInvocation::optionValues(const QString &name) const
{
    QList<std::optional<QString>> values;
    for (const Option &option : options) {
        if (option.name == name)
            values << option.value;
    }
    return values;
}

// Each of the options takes the argument after it as its value, whatever it
// looks like, so a value is never mistaken for an option or an argument.
void CtlInvocation::splitOptions(const QStringList &names, const QStringList &switches)
{
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (switches.contains(arguments[i])) {
            options << Option{arguments[i], std::nullopt};
            continue;
        }
        if (!names.contains(arguments[i])) {
            rest << arguments[i];
            continue;
        }
        Option option{arguments[i], std::nullopt};
        if (i + 1 < arguments.size())
            option.value = arguments[++i];
        options << option;
    }
    arguments = rest;
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
    if (const CtlCommand *command = CommandTable::find(invocation.command))
        invocation.splitOptions(command->options(), command->switches());
    return invocation;
}

} // namespace orvex::ctl
