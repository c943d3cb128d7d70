// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CtlInvocation.h"

#include <QTextStream>

namespace orvex::ctl {

// The commands of orvexctl that show whole profiles: the mouse's onboard
// profiles (dump) and profile files (show-file).
class ProfileCommands
{
public:
    ProfileCommands(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    static bool handles(const QString &command);
    int run(const CtlInvocation &invocation);

private:
    int dump(const CtlInvocation &invocation);
    int showFile(const CtlInvocation &invocation);
    std::optional<int> slotOption(const CtlInvocation &invocation, QStringList *rest);

    QTextStream &m_out;
    QTextStream &m_err;
};

} // namespace orvex::ctl
