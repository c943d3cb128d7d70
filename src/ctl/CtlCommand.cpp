// SPDX-License-Identifier: GPL-3.0-or-later
#include "CtlCommand.h"

namespace orvex::ctl {

QString CtlCommand::synopsis() const
{
    return arguments.isEmpty() ? name : name + QLatin1Char(' ') + arguments;
}

QStringList CtlCommand::options() const
{
    QStringList names;
    for (QString word : arguments.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        word.remove(QLatin1Char('[')).remove(QLatin1Char(']'));
        if (word.startsWith(QLatin1String("--")))
            names << word;
    }
    return names;
}

} // namespace orvex::ctl
