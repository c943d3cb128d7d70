// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CtlCommand.h"

#include <QList>

namespace orvex::ctl {

// The commands of orvexctl, in the order the usage lists them.
class CommandTable
{
public:
    static const QList<CtlCommand> &commands();
    // The command of that name; null for an unknown one.
    static const CtlCommand *find(const QString &name);
    // The text of orvexctl --help.
    static QString usage();

private:
    static QString commandLines();
};

} // namespace orvex::ctl
