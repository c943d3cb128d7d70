// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DeviceCommandLock.h"

#include "device/DeviceLink.h"
#include "device/DeviceMirror.h"
#include "device/WexHIDComFunction.h"
#include "messaging/DeviceWriteNotice.h"
#include "platform/RuntimeFolder.h"
#include "platform/WexLogger.h"

#include <QCryptographicHash>
#include <QFile>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace orvex {

namespace {

// Enough of the path's digest that two devices never share a file.
constexpr int DigestCharacters = 16;

int lockExclusive(int fd, int flags)
{
    int result;
    do {
        result = flock(fd, LOCK_EX | flags);
    } while (result != 0 && errno == EINTR);
    return result;
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

DeviceCommandLock::~DeviceCommandLock()
{
    releaseDeviceFile();
}

QString DeviceCommandLock::lockFilePath(const QString &devicePath)
{
    const QString folder = RuntimeFolder::path();
    if (folder.isEmpty())
        return {};
    const QByteArray digest =
        QCryptographicHash::hash(devicePath.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("%1/orvex-device-%2.lock")
        .arg(folder, QString::fromLatin1(digest.left(DigestCharacters)));
}

void DeviceCommandLock::lock()
{
    m_mutex.lock();
    if (++m_depth == 1) {
        m_owner = std::this_thread::get_id();
        // A suspended holder still has the file: a second lock of it from
        // this process would wait for ourselves.
        if (m_suspended == 0)
            acquireDeviceFile();
    }
}

void DeviceCommandLock::unlock() noexcept
{
    const bool outermost = --m_depth == 0;
    if (outermost) {
        m_owner = std::thread::id();
        if (m_suspended == 0)
            releaseDeviceFile();
    }
    m_mutex.unlock();
    // Once per transfer, and after the other programs may take the mouse.
    if (outermost)
        DeviceWriteNotice::announcePending();
}

int DeviceCommandLock::suspend()
{
    if (m_owner.load() != std::this_thread::get_id())
        return 0;
    const int depth = m_depth;
    ++m_suspended;
    m_depth = 0;
    m_owner = std::thread::id();
    for (int level = 0; level < depth; ++level)
        m_mutex.unlock();
    return depth;
}

void DeviceCommandLock::resume(int depth)
{
    if (depth == 0)
        return;
    for (int level = 0; level < depth; ++level)
        m_mutex.lock();
    m_depth = depth;
    m_owner = std::this_thread::get_id();
    --m_suspended;
}

void DeviceCommandLock::acquireDeviceFile()
{
    if (!DeviceLink::sysDeviceReq)
        return;
    const QString devicePath = DeviceLink::sysDeviceReq->beginTransfer();
    if (devicePath.isEmpty())
        return;
    const QString path = lockFilePath(devicePath);
    if (path.isEmpty()) {
        ORVEX_WARNING(QStringLiteral("no private runtime folder: requests to %1 are not "
                                     "coordinated with other Orvex programs")
                          .arg(devicePath));
        return;
    }
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        ORVEX_WARNING(
            QStringLiteral("cannot open the device lock %1: %2").arg(path, systemError()));
        return;
    }
    if (lockExclusive(fd, LOCK_NB) != 0) {
        ORVEX_INFO(
            QStringLiteral("waiting for another Orvex program to finish with %1").arg(devicePath));
        if (lockExclusive(fd, 0) != 0) {
            ORVEX_WARNING(QStringLiteral("cannot lock %1: %2").arg(path, systemError()));
            ::close(fd);
            return;
        }
    }
    m_fileDescriptor = fd;
    checkWriteStamp();
}

// The device file holds a stamp that every program which changed the mouse
// renews before letting go of it. A stamp other than the one this process
// last saw means another program changed the mouse in between: its signal
// (DeviceWriteNotice) may still be on its way, but the mirror must be
// dropped before this transfer sends anything.
void DeviceCommandLock::checkWriteStamp()
{
    std::array<char, StampSize> buffer{};
    const ssize_t size = ::pread(m_fileDescriptor, buffer.data(), buffer.size(), 0);
    const QByteArray stamp(buffer.data(), qsizetype(std::max<ssize_t>(size, 0)));
    if (stamp != m_writeStamp)
        DeviceMirror::forgetAll(QStringLiteral("another program changed the mouse"));
    m_writeStamp = stamp;
}

void DeviceCommandLock::renewWriteStamp()
{
    const QByteArray stamp =
        QByteArray::number(qint64(::getpid())) + '-' + QByteArray::number(++m_stampCount);
    if (::ftruncate(m_fileDescriptor, 0) != 0 ||
        ::pwrite(m_fileDescriptor, stamp.constData(), size_t(stamp.size()), 0) != stamp.size()) {
        ORVEX_WARNING(QStringLiteral("cannot stamp the device lock: %1").arg(systemError()));
        return;
    }
    m_writeStamp = stamp;
}

void DeviceCommandLock::releaseDeviceFile() noexcept
{
    if (m_fileDescriptor < 0)
        return;
    if (DeviceWriteNotice::isPending())
        renewWriteStamp();
    // Closing the only descriptor of the open file releases the lock.
    ::close(m_fileDescriptor);
    m_fileDescriptor = -1;
}

} // namespace orvex
