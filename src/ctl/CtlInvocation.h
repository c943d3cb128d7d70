// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/MemoryMap.h"

#include <QList>
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

// One parsed command line:
// `orvexctl [--device SELECTOR] [--json] COMMAND [ARGS...]`. --json may also
// follow the command; the options a command takes (those in its syntax in
// CommandTable, such as --slot N) are split off its arguments here, and the
// command decides what their values mean.
struct CtlInvocation
{
    // One occurrence of a command's option. A switch, and an option that
    // ends the command line, have no value.
    struct Option
    {
        QString name;
        std::optional<QString> value;
    };

    QString device; // empty: ORVEX_DEVICE or the default
    bool json = false;
    QString command;
    QStringList arguments; // the command's arguments without its options
    QList<Option> options; // in the order given

    // Parses argv (without the program name). On failure answers nothing and
    // sets *error to a one-line message.
    static std::optional<CtlInvocation> parse(const QStringList &arguments, QString *error);

    // The values given to option `name`, in order.
    QList<std::optional<QString>> optionValues(const QString &name) const;
    // Whether the option (or switch) `name` was given.
    bool has(const QString &name) const { return !optionValues(name).isEmpty(); }

    // A number in decimal or 0x hexadecimal within [minimum, maximum].
    static std::optional<int> number(const QString &text, int minimum, int maximum);
    // "MINIMUM..MAXIMUM", as messages and the usage give a range.
    static QString range(int minimum, int maximum);

    // The onboard profile slots the commands take.
    static constexpr int FirstSlot = 0;
    static constexpr int LastSlot = fwmem::ProfileCount - 1;
    static QString slotRange() { return range(FirstSlot, LastSlot); }

private:
    void splitOptions(const QStringList &names, const QStringList &switches);
};

} // namespace orvex::ctl
