// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex {

// Plain AF_UNIX stream sockets. The core speaks to the virtual mouse through
// bare descriptors rather than Qt's socket classes: they work from any thread,
// and the agent, which runs all session long, does not have to load Qt's
// network library for one local socket.
class LocalSocket
{
public:
    // Connects to the socket at `path`; answers the descriptor (close-on-exec)
    // or -1 with *error saying why.
    static int connectTo(const QString &path, QString *error);
    static bool setNonBlocking(int fd);
};

} // namespace orvex
