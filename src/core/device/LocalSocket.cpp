// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/LocalSocket.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace orvex {

namespace {

constexpr uid_t RootUid = 0;

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

int LocalSocket::connectTo(const QString &path, QString *error, bool *peerRefused)
{
    if (peerRefused)
        *peerRefused = false;
    const QByteArray encoded = QFile::encodeName(path);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (encoded.isEmpty() || std::size_t(encoded.size()) >= sizeof(address.sun_path)) {
        *error = QStringLiteral("unusable socket path");
        return -1;
    }
    std::memcpy(address.sun_path, encoded.constData(), std::size_t(encoded.size()));

    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        *error = systemError();
        return -1;
    }
    int result;
    do {
        result = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address));
    } while (result != 0 && errno == EINTR);
    if (result != 0) {
        *error = systemError();
        ::close(fd);
        return -1;
    }
    if (!peerIsTrusted(fd, error)) {
        if (peerRefused)
            *peerRefused = true;
        ::close(fd);
        return -1;
    }
    return fd;
}

bool LocalSocket::setNonBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

// The credentials are the ones the peer had when the connection was made, so
// a process cannot change its user afterwards to slip through.
bool LocalSocket::peerIsTrusted(int fd, QString *error)
{
    ucred credentials{};
    socklen_t size = sizeof(credentials);
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) != 0) {
        *error = QStringLiteral("cannot tell who runs it: %1").arg(systemError());
        return false;
    }
    if (credentials.uid == ::geteuid() || credentials.uid == RootUid)
        return true;
    *error = QStringLiteral("it runs as user %1").arg(credentials.uid);
    return false;
}

} // namespace orvex
