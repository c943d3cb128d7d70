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
constexpr mode_t PrivateFolderMode = S_IRWXU;
constexpr mode_t GroupAndOtherAccess = S_IRWXG | S_IRWXO;

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

// lstat, not stat: a symbolic link planted at `path` could point anywhere.
// In a sticky folder such as /tmp nobody else can rename or remove our folder
// once checked, so the check holds for as long as the folder is used.
bool LocalSocket::ensurePrivateFolder(const QString &path, QString *error)
{
    const QByteArray encoded = QFile::encodeName(path);
    if (::mkdir(encoded.constData(), PrivateFolderMode) == 0) {
        // The umask may have taken more than group and other access away.
        if (::chmod(encoded.constData(), PrivateFolderMode) != 0) {
            *error = QStringLiteral("cannot set the mode of %1: %2").arg(path, systemError());
            return false;
        }
        return true;
    }
    if (errno != EEXIST) {
        *error = QStringLiteral("cannot create the folder %1: %2").arg(path, systemError());
        return false;
    }

    struct stat info = {};
    if (::lstat(encoded.constData(), &info) != 0) {
        *error = QStringLiteral("cannot inspect %1: %2").arg(path, systemError());
        return false;
    }
    if (S_ISLNK(info.st_mode)) {
        *error = QStringLiteral("refusing %1: it is a symbolic link, not a folder").arg(path);
        return false;
    }
    if (!S_ISDIR(info.st_mode)) {
        *error = QStringLiteral("refusing %1: it is not a folder").arg(path);
        return false;
    }
    if (info.st_uid != ::geteuid()) {
        *error = QStringLiteral("refusing %1: it belongs to user %2").arg(path).arg(info.st_uid);
        return false;
    }
    if ((info.st_mode & GroupAndOtherAccess) != 0) {
        *error = QStringLiteral("refusing %1: others may use it (mode %2; it must be 700)")
                     .arg(path)
                     .arg(info.st_mode & ~S_IFMT, 3, 8, QLatin1Char('0'));
        return false;
    }
    return true;
}

} // namespace orvex
