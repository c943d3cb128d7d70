// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CtlInvocation.h"

#include <QTextStream>

namespace orvex::ctl {

// The commands of orvexctl that show whole profiles: the mouse's onboard
// profiles (dump) and profile files (show-file). Results go to `out`,
// one-line errors to `err`; each command answers the exit status.
class ProfileCommands
{
public:
    // Loads the catalogue, which names the buttons' functions.
    ProfileCommands(QTextStream &out, QTextStream &err);

    int dump(const CtlInvocation &invocation);
    int showFile(const CtlInvocation &invocation);

private:
    std::optional<int> slotOption(const CtlInvocation &invocation);

    QTextStream &m_out;
    QTextStream &m_err;
};

} // namespace orvex::ctl
