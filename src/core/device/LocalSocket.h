// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex {

// Plain AF_UNIX stream sockets. The core speaks to the virtual mouse through
// bare descriptors rather than Qt's socket classes: they work from any thread,
// and the agent, which runs all session long, does not have to load Qt's
// network library for one local socket.
//
// Both ends of a connection check who is at the other end (SO_PEERCRED):
// only processes of this user, or root, are trusted. Root is let through
// because it can read and write any of this user's sockets and memory
// anyway: refusing it would protect nothing.
class LocalSocket
{
public:
    // Connects to the socket at `path` and checks the server's user; answers
    // the descriptor (close-on-exec) or -1 with *error saying why.
    // *peerRefused tells a server of another user from one that is not there.
    static int connectTo(const QString &path, QString *error, bool *peerRefused = nullptr);
    static bool setNonBlocking(int fd);

    // Whether the process at the other end of the connected socket `fd` may
    // be trusted (see above); otherwise *error names its user in a few words.
    static bool peerIsTrusted(int fd, QString *error);
};

} // namespace orvex
