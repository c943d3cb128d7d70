// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Transport.h"

#include <QList>
#include <QString>

#include <functional>

namespace orvex {

// The agent's event lines on stderr, one line each, in a fixed format that
// scripts and tests read. They are written whatever the log level is, and
// without the logger's file and line prefix:
//
//   OSD <tag>                   a picture was shown ("OSD P4", "OSD battle", "OSD rate3")
//   OSD dpi <stage> <x> <y>     the DPI picture was shown (resolution bytes, units of 50 DPI)
//   LAUNCH <path>               an application or file was opened
//   STATUS <type> [<values>]    "OrvexDevStatus" was posted (values space-separated)
//   Daemon Rec a4 1 30 0 ...    an input report arrived (bytes as unpadded lower-case hex)
//
// Any thread may write; a line is never interleaved with another.
class AgentEventLog
{
public:
    using Sink = std::function<void(const QString &line)>;

    static void osd(const QString &tag);
    static void osdDpi(int stage, int x, int y);
    static void launch(const QString &path);
    static void status(int type, const QList<int> &values = {});
    static void rawReport(const Report &report);

    // Where the lines go: stderr unless a sink is installed (tests read the
    // lines this way). An empty sink restores stderr.
    static void setSink(Sink sink);

private:
    static void write(const QString &line);
};

} // namespace orvex
