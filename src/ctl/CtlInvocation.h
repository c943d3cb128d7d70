// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace orvex::ctl {

// Exit statuses of orvexctl.
enum ExitStatus
{
    ExitOk = 0,
    ExitDeviceError = 1,      // no mouse, it stopped answering, or the profile folder failed
    ExitUsageError = 2,       // wrong command line, unknown profile or file
    ExitImportUnreadable = 3, // a profile file is missing or not a readable one
    ExitImportNameTaken = 4,  // import-file: a stored profile has that name
};

// One parsed command line: `orvexctl [--device SELECTOR] [--json] COMMAND [ARGS...]`.
struct CtlInvocation
{
    QString device; // empty: ORVEX_DEVICE or the default
    bool json = false;
    QString command;
    QStringList arguments;

    // Parses argv (without the program name). On failure answers nothing and
    // sets *error to a one-line message.
    static std::optional<CtlInvocation> parse(const QStringList &arguments, QString *error);
    static QString usage();
    // Whether the command may change the stored profiles or the mouse, after
    // which a running agent reloads what it knows of them.
    bool changesProfilesOrMouse() const;

    // A number in decimal or 0x hexadecimal within [minimum, maximum].
    static std::optional<int> number(const QString &text, int minimum, int maximum);
};

} // namespace orvex::ctl
