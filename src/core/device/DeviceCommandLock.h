// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRecursiveMutex>
#include <QString>

#include <atomic>
#include <thread>

namespace orvex {

// Serialises the requests sent to the mouse, within this process and across
// the suite's programs.
//
// A read is a request and an answer that must not be split by another
// request, and a transfer is hundreds of them. Inside the process a recursive
// mutex keeps other threads out; while it is held by the outermost holder, an
// advisory lock (flock) on a file in the runtime folder, named after the
// device's path, keeps the other Orvex programs out: the agent's Reset at
// plug-in, a second orvexctl, the application's import. Programs that reach
// the mouse in process (tests) have no path and take only the mutex.
//
// The device file also carries a stamp that a program which changed the
// mouse renews as it lets go; a holder that finds another program's stamp
// drops its mirror of the mouse's memory (DeviceMirror) before it sends
// anything.
//
// Used through QMutexLocker like any mutex; lock() may wait as long as
// another program's transfer lasts.
class DeviceCommandLock
{
public:
    DeviceCommandLock() = default;
    DeviceCommandLock(const DeviceCommandLock &) = delete;
    DeviceCommandLock &operator=(const DeviceCommandLock &) = delete;
    ~DeviceCommandLock();

    void lock();
    void unlock() noexcept;

    // For a thread that holds the lock and must wait for another thread of
    // this process that may send requests meanwhile (a transfer on a worker
    // waiting for the main thread): suspend() lets go of the mutex however
    // deeply the calling thread held it and answers that depth (0, doing
    // nothing, when the calling thread did not hold it); resume() takes it
    // back as deeply. The device file stays locked in between, so other
    // programs stay out of the transfer while this process's threads may
    // send requests of their own.
    int suspend();
    void resume(int depth);

    // The file that stands for the device at `devicePath` (a hidraw node or
    // a virtual mouse's socket); empty when there is no safe runtime folder.
    static QString lockFilePath(const QString &devicePath);

private:
    void acquireDeviceFile();
    void releaseDeviceFile() noexcept;
    void checkWriteStamp();
    void renewWriteStamp();

    // "<pid>-<count>": longer contents are not a stamp of ours.
    static constexpr int StampSize = 64;

    QRecursiveMutex m_mutex;
    // m_depth and m_suspended are guarded by m_mutex.
    int m_depth = 0;
    // Holders that suspended their hold; while there is one, the device file
    // is kept whoever takes and releases the mutex.
    int m_suspended = 0;
    std::atomic<std::thread::id> m_owner{};
    int m_fileDescriptor = -1;
    // The device file's stamp as this process last saw or wrote it, and how
    // many it wrote; only the holder of the device file touches them.
    QByteArray m_writeStamp;
    quint64 m_stampCount = 0;
};

} // namespace orvex
