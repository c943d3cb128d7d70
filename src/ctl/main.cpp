// SPDX-License-Identifier: GPL-3.0-or-later
#include "CtlInvocation.h"
#include "DeviceCommands.h"
#include "ProfileCommands.h"
#include "StoreCommands.h"

#include "messaging/AgentMessaging.h"
#include "messaging/DistributedNotifications.h"
#include "messaging/NotificationNames.h"
#include "platform/WexLogger.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

int run(const orvex::ctl::CtlInvocation &invocation, QTextStream &out, QTextStream &err)
{
    if (orvex::ctl::ProfileCommands::handles(invocation.command))
        return orvex::ctl::ProfileCommands(out, err).run(invocation);
    if (orvex::ctl::StoreCommands::handles(invocation.command))
        return orvex::ctl::StoreCommands(out, err).run(invocation);
    return orvex::ctl::DeviceCommands(out, err).run(invocation);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    orvex::WexLogger::applyEnvironment();
    QTextStream out(stdout);
    QTextStream err(stderr);

    QString error;
    const auto invocation = orvex::ctl::CtlInvocation::parse(app.arguments().mid(1), &error);
    if (!invocation) {
        err << "orvexctl: " << error << '\n';
        return orvex::ctl::ExitUsageError;
    }
    if (invocation->command == QLatin1String("help")) {
        out << orvex::ctl::CtlInvocation::usage();
        return orvex::ctl::ExitOk;
    }
    const int status = run(*invocation, out, err);
    // The agent keeps the slot bindings and launcher buttons in memory.
    if (status == orvex::ctl::ExitOk && invocation->changesProfilesOrMouse()) {
        orvex::AgentMessaging::sendMessageToDaemon(orvex::notify::ReloadProfiles);
        orvex::DistributedNotifications::flush();
    }
    return status;
}
