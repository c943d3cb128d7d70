// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandTable.h"

#include "messaging/AgentMessaging.h"
#include "messaging/DistributedNotifications.h"
#include "messaging/NotificationNames.h"
#include "platform/WexLogger.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

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
        out << orvex::ctl::CommandTable::usage();
        return orvex::ctl::ExitOk;
    }
    const orvex::ctl::CtlCommand *command = orvex::ctl::CommandTable::find(invocation->command);
    if (!command) {
        err << "orvexctl: unknown command '" << invocation->command << "' (try orvexctl --help)\n";
        return orvex::ctl::ExitUsageError;
    }
    const int status = command->handler(*invocation, out, err);
    // The agent keeps the slot bindings and launcher buttons in memory.
    if (status == orvex::ctl::ExitOk && command->changesProfilesOrMouse) {
        orvex::AgentMessaging::sendMessageToDaemon(orvex::notify::ReloadProfiles);
        orvex::DistributedNotifications::flush();
    }
    return status;
}
