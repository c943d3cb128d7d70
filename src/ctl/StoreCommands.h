// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CtlInvocation.h"

#include "profile/LauncherScreen.h"
#include "profile/ProfileValue.h"

#include <QTextStream>

namespace orvex::ctl {

// The commands of orvexctl over the stored profiles: list them, import the
// mouse's onboard profiles into them, write one to the mouse, export and
// import profile files. Results go to `out`, one-line errors to `err`; each
// command answers the exit status.
class StoreCommands
{
public:
    // Loads the catalogue, which the profiles' buttons refer to.
    StoreCommands(QTextStream &out, QTextStream &err);

    int profiles(const CtlInvocation &invocation);
    int import(const CtlInvocation &invocation);
    int apply(const CtlInvocation &invocation);
    int exportFile(const CtlInvocation &invocation);
    int importFile(const CtlInvocation &invocation);

private:
    // The profile `apply` writes for its NAME or FILE.pro argument; nothing,
    // with *status set and the reason printed, when there is none.
    ProfileValuePtr profileToApply(const QString &source, int slot, int *status);
    // One line per launcher an import did not keep.
    void printRefusedLaunchers(const QString &command,
                               const QList<LauncherScreen::Refusal> &refused);

    // The value of an option the command takes once; empty when it is not
    // given. False, after a message, when it ends the command line without
    // one. A second occurrence sets *repeated, which the command refuses.
    bool singleOption(const CtlInvocation &invocation, const QString &name, QString *value,
                      bool *repeated);

    QTextStream &m_out;
    QTextStream &m_err;
};

} // namespace orvex::ctl
