// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DeviceLink.h"

#include "device/DeviceRequest.h"
#include "device/MemoryMap.h"
#include "device/TransferProgress.h"
#include "device/WexHIDComFunction.h"
#include "platform/WexLogger.h"

#include <array>
#include <atomic>
#include <thread>

namespace orvex {

WexHIDComFunction *DeviceLink::sysDeviceReq = nullptr;

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<long long> pauseMs{30};
// When the last request was sent; guarded by commandLock().
Clock::time_point lastRequestAt{};

using Buffer = std::array<std::uint8_t, fwcmd::ReportLength>;

DeviceRequest featureRequest(bool set, std::uint8_t *buffer, int length)
{
    DeviceRequest request;
    request.bmRequestType =
        set ? usb::RequestTypeClassInterfaceOut : usb::RequestTypeClassInterfaceIn;
    request.bRequest = set ? usb::SetReport : usb::GetReport;
    request.wValue = usb::FeatureReportId0;
    request.wIndex = 0;
    request.wLength = std::uint16_t(length);
    request.pData = buffer;
    return request;
}

std::int8_t transfer(bool set, std::uint8_t *buffer, int length)
{
    if (!DeviceLink::sysDeviceReq || !buffer || length <= 0)
        return 0;
    DeviceRequest request = featureRequest(set, buffer, length);
    return DeviceLink::sysDeviceReq->sendDeviceRequest(request) ? 1 : 0;
}

Buffer readRequest(std::uint16_t address)
{
    return {
        fwcmd::ReadByte, std::uint8_t(address & 0xFF), 0, std::uint8_t(address >> 8), 0, 0, 0, 0};
}

} // namespace

QRecursiveMutex &DeviceLink::commandLock()
{
    static QRecursiveMutex lock;
    return lock;
}

std::int8_t DeviceLink::GetCommand(std::uint8_t *buffer, int length)
{
    QMutexLocker lock(&commandLock());
    return transfer(false, buffer, length);
}

std::int8_t DeviceLink::SetCommand(std::uint8_t *buffer, int length)
{
    QMutexLocker lock(&commandLock());
    return transfer(true, buffer, length);
}

// Waits until the pause after the last request is over. Without
// oversleeping: the kernel may wake a sleeper a few milliseconds late on a
// busy machine, which over a few hundred requests would add seconds to a
// transfer; so sleep most of the way, then yield for the last stretch.
void DeviceLink::pause()
{
    constexpr auto Margin = std::chrono::milliseconds(2);
    const auto deadline = lastRequestAt + std::chrono::milliseconds(pauseMs.load());
    if (deadline - Clock::now() > Margin)
        std::this_thread::sleep_until(deadline - Margin);
    while (Clock::now() < deadline)
        std::this_thread::yield();
}

bool DeviceLink::sendRequest(std::uint8_t *report)
{
    // A request after one without its own pause (a profile selection) waits too.
    pause();
    const bool sent = SetCommand(report, fwcmd::ReportLength) != 0;
    lastRequestAt = Clock::now();
    return sent;
}

bool DeviceLink::controlCommand(std::uint8_t command, std::uint8_t argument, bool pauseAfter)
{
    QMutexLocker lock(&commandLock());
    Buffer report{fwcmd::Control, command, argument, 0, 0, 0, 0, 0};
    const bool sent = sendRequest(report.data());
    if (pauseAfter)
        pause();
    return sent;
}

bool DeviceLink::reloadChecked()
{
    return controlCommand(fwcmd::ControlReload, 0, true);
}

bool DeviceLink::resetChecked()
{
    return controlCommand(fwcmd::ControlReset, 0, true);
}

bool DeviceLink::selectProfileChecked(int profile)
{
    return controlCommand(fwcmd::ControlSelectProfile, std::uint8_t(profile), false);
}

void DeviceLink::refreshDeviceData()
{
    reloadChecked();
}

void DeviceLink::resetDev()
{
    resetChecked();
}

bool DeviceLink::writeByteChecked(std::uint16_t address, std::uint8_t data)
{
    QMutexLocker lock(&commandLock());
    Buffer report{fwcmd::WriteByte,
                  std::uint8_t(address & 0xFF),
                  data,
                  std::uint8_t(address >> 8),
                  0,
                  0,
                  0,
                  0};
    const bool sent = sendRequest(report.data());
    pause();
    TransferProgress::step();
    return sent;
}

std::optional<std::uint8_t> DeviceLink::readByteChecked(std::uint16_t address)
{
    QMutexLocker lock(&commandLock());
    Buffer report = readRequest(address);
    const bool requested = sendRequest(report.data());
    pause();
    if (!requested)
        return std::nullopt;
    if (GetCommand(report.data(), fwcmd::ReportLength) == 0)
        return std::nullopt;
    TransferProgress::step();
    return report[1];
}

void DeviceLink::setAdrrData(std::uint8_t data, std::uint16_t address)
{
    writeByteChecked(address, data);
}

std::uint8_t DeviceLink::getAdrrDataWithAddr(std::uint16_t address)
{
    const auto value = readByteChecked(address);
    if (!value) {
        ORVEX_DEBUG(QStringLiteral("read of 0x%1 did not go through")
                        .arg(address, 4, 16, QLatin1Char('0')));
        return 0;
    }
    return *value;
}

void DeviceLink::setProfileToDevice(int profile)
{
    QMutexLocker lock(&commandLock());
    setAdrrData(std::uint8_t(fwmem::ActiveProfileMark | profile), fwmem::ActiveProfile);
    selectProfileChecked(profile);
}

void DeviceLink::startListenDev()
{
    WexHIDComFunction *requester = WexHIDComFunction::shareDeviceReq();
    requester->setIsPrintMsg(true);
    requester->listenDevWithVid(OrvexVendorId, OrvexProductId);
    QMutexLocker lock(&commandLock());
    sysDeviceReq = requester;
}

bool DeviceLink::checkListenDev()
{
    return sysDeviceReq && sysDeviceReq->isDevOn();
}

void DeviceLink::setReportPause(std::chrono::milliseconds pause)
{
    pauseMs = pause.count();
}

std::chrono::milliseconds DeviceLink::reportPause()
{
    return std::chrono::milliseconds(pauseMs.load());
}

void DeviceLink::resetState()
{
    QMutexLocker lock(&commandLock());
    sysDeviceReq = nullptr;
    WexHIDComFunction::shareDeviceReq()->setTransport(nullptr);
    lastRequestAt = {};
    pauseMs = 30;
}

} // namespace orvex
