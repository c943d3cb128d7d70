// SPDX-License-Identifier: GPL-3.0-or-later
#include "CtlCommand.h"

namespace orvex::ctl {

QString CtlCommand::synopsis() const
{
    return arguments.isEmpty() ? name : name + QLatin1Char(' ') + arguments;
}

namespace {

QStringList optionNames(const QString &arguments, bool switches)
{
    QStringList names;
    for (QString word : arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool isSwitch = word.startsWith(QLatin1Char('[')) && word.endsWith(QLatin1Char(']'));
        word.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
        if (word.startsWith(QLatin1String("--")) && isSwitch == switches)
            names << word;
    }
    return names;
}

} // namespace

QStringList CtlCommand::options() const
{
    return optionNames(arguments, false);
}

QStringList CtlCommand::switches() const
{
    return optionNames(arguments, true);
}

} // namespace orvex::ctl
