// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CtlInvocation.h"

#include "profile/LauncherScreen.h"
#include "profile/ProfileValue.h"

#include <QTextStream>

namespace orvex::ctl {

// The commands of orvexctl over the stored profiles: list them, import the
// mouse's onboard profiles into them, write one to the mouse, export and
// import profile files.
class StoreCommands
{
public:
    StoreCommands(QTextStream &out, QTextStream &err) : m_out(out), m_err(err) {}

    static bool handles(const QString &command);
    int run(const CtlInvocation &invocation);

private:
    int profiles(const CtlInvocation &invocation);
    int import(const CtlInvocation &invocation);
    int apply(const CtlInvocation &invocation);
    int exportFile(const CtlInvocation &invocation);
    int importFile(const CtlInvocation &invocation);

    // The profile `apply` writes for its NAME or FILE.pro argument; nothing,
    // with *status set and the reason printed, when there is none.
    ProfileValuePtr profileToApply(const QString &source, int slot, int *status);
    // One line per launcher an import did not keep.
    void printRefusedLaunchers(const QString &command,
                               const QList<LauncherScreen::Refusal> &refused);

    // Splits "--NAME VALUE" options off the arguments.
    bool takeOption(QStringList &arguments, const QString &name, QString *value);

    QTextStream &m_out;
    QTextStream &m_err;
};

} // namespace orvex::ctl
