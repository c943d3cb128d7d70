// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex::sim {

// `orvex-virtual-mouse serve`: runs the virtual mouse on its socket until
// SIGTERM or SIGINT; with --uhid, also as a kernel HID device (UhidServer),
// the socket then serving `send` and the other clients as before. The memory image is loaded from
// the memory file (or made from the factory image) and written back after every Reload, after
// profile and DPI changes made on the mouse, and when the program ends.
class ServeCommand
{
public:
    struct Options
    {
        QString socketPath;
        QString memoryPath;
        QString tracePath; // empty: no trace
        bool uhid = false;
    };

    // Needs a QCoreApplication; answers the exit status. Problems are written
    // to *message as one line.
    static int run(const Options &options, QString *message);
};

} // namespace orvex::sim
