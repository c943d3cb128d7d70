// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CtlInvocation.h"

#include <QTextStream>

namespace orvex::ctl {

// The commands of orvexctl that talk to the mouse byte by byte. Results go
// to `out`, one-line errors to `err`; each command answers the exit status.
class DeviceCommands
{
public:
    DeviceCommands(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    int info(const CtlInvocation &invocation);
    int read(const CtlInvocation &invocation);
    int write(const CtlInvocation &invocation);
    int select(const CtlInvocation &invocation);
    int reload(const CtlInvocation &invocation);
    int reset(const CtlInvocation &invocation);

private:
    bool expectArguments(const CtlInvocation &invocation, int count);
    std::optional<int> argument(const CtlInvocation &invocation, int index, int minimum,
                                int maximum, const char *what);
    int deviceFailure(const QString &what);
    std::optional<QString> readOnboardName(int slot);

    QTextStream &m_out;
    QTextStream &m_err;
};

} // namespace orvex::ctl
