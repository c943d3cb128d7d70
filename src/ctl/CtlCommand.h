// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CtlInvocation.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace orvex::ctl {

// One command of orvexctl as CommandTable lists it. The usage text, the
// option parser and the README's command table are all made from these, so
// they cannot disagree.
struct CtlCommand
{
    // Runs the command: results to `out`, one-line errors to `err`; answers
    // the exit status.
    using Handler = int (*)(const CtlInvocation &invocation, QTextStream &out, QTextStream &err);

    QString name;
    // What follows the name, as the usage shows it ("ADDR VALUE",
    // "[--slot N]", "[--changed-only]"). Every --NAME in it is an option of
    // the command that takes the next argument as its value, except one in
    // brackets of its own ("[--changed-only]"), which is a switch.
    QString arguments;
    QString help;
    // The command reaches the mouse. It opens the mouse itself, once its
    // arguments are found good, so a wrong command line never touches it;
    // the others work without a mouse.
    bool needsMouse = false;
    // The command may change the stored profiles or the mouse, after which a
    // running agent reloads what it knows of them.
    bool changesProfilesOrMouse = false;
    Handler handler = nullptr;

    // The name and the arguments, as the usage and the README show them.
    QString synopsis() const;
    // The --NAME options in the arguments that take a value, and the switches.
    QStringList options() const;
    QStringList switches() const;
};

} // namespace orvex::ctl
