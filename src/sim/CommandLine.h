// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace orvex::sim {

// orvex-virtual-mouse's command line:
//   orvex-virtual-mouse serve [--socket PATH] [--uhid] [--memory FILE] [--trace FILE]
//   orvex-virtual-mouse send [--socket PATH] EVENT
// Exit status: 0 done, 1 failed (no server, refused, I/O), 2 bad arguments.
class CommandLine
{
public:
    static constexpr int ExitOk = 0;
    static constexpr int ExitFailed = 1;
    static constexpr int ExitUsage = 2;

    // Needs a QCoreApplication. Problems are printed to stderr as one line.
    static int run(const QStringList &arguments);

private:
    static int fail(int status, const QString &message);
};

} // namespace orvex::sim
