// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/DeviceLink.h"

#include "device/DeviceMirror.h"
#include "device/DeviceRequest.h"
#include "device/MemoryMap.h"
#include "device/ReportText.h"
#include "device/TransferProgress.h"
#include "device/WexHIDComFunction.h"
#include "messaging/DeviceWriteNotice.h"
#include "platform/ProcessState.h"
#include "platform/WexLogger.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <atomic>
#include <thread>

namespace orvex {

WexHIDComFunction *DeviceLink::sysDeviceReq = nullptr;
int DeviceLink::batchDepth = 0;

namespace {

using Clock = std::chrono::steady_clock;

constexpr long long DefaultPauseMs = 30;
std::atomic<long long> pauseMs{DefaultPauseMs};
// When the last request was sent; guarded by commandLock().
Clock::time_point lastRequestAt{};

// The writes of the current run (up to finishWrites()) that went out, and
// those skipped because the mouse already held their value; guarded by
// commandLock().
int runWritesSent = 0;
int runWritesSkipped = 0;
// Write requests that went through since the process started.
std::atomic<long long> writesSent{0};

// The stop flag of the transfer running on this thread (setStopFlag()).
thread_local const std::atomic<bool> *stopFlag = nullptr;
// How soon a sleeping transfer notices that it is asked to stop.
constexpr auto StopPollInterval = std::chrono::milliseconds(10);

using Buffer = Report;

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

// Whether `report` may change the mouse's memory: writes and every control
// command (Reload, Reset, profile selection).
bool changesMemory(const std::uint8_t *report)
{
    return report[0] == fwcmd::WriteByte || report[0] == fwcmd::Control;
}

Buffer readRequest(std::uint16_t address)
{
    return {
        fwcmd::ReadByte, std::uint8_t(address & 0xFF), 0, std::uint8_t(address >> 8), 0, 0, 0, 0};
}

const bool registeredReset = ProcessState::add("DeviceLink", &DeviceLink::resetState);

} // namespace

DeviceCommandLock &DeviceLink::commandLock()
{
    static DeviceCommandLock lock;
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

void DeviceLink::setStopFlag(const std::atomic<bool> *flag)
{
    stopFlag = flag;
}

bool DeviceLink::stopRequested()
{
    return stopFlag && stopFlag->load();
}

bool DeviceLink::sleepUnlessStopped(std::chrono::milliseconds pause)
{
    const auto deadline = Clock::now() + pause;
    while (!stopRequested()) {
        const auto left = deadline - Clock::now();
        if (left <= Clock::duration::zero())
            return true;
        std::this_thread::sleep_for(std::min<Clock::duration>(left, StopPollInterval));
    }
    return false;
}

bool DeviceLink::stoppedBefore(const std::uint8_t *report)
{
    const bool reset = report[0] == fwcmd::Control && report[1] == fwcmd::ControlReset;
    return stopRequested() && !reset;
}

bool DeviceLink::sendRequest(std::uint8_t *report)
{
    if (stoppedBefore(report)) {
        DeviceMirror::forgetAll(QStringLiteral("a transfer was stopped"));
        return false;
    }
    // A request after one without its own pause (a profile selection) waits too.
    pause();
    if (changesMemory(report))
        DeviceWriteNotice::noteChange();
    const bool sent = SetCommand(report, fwcmd::ReportLength) != 0;
    lastRequestAt = Clock::now();
    // The mouse may or may not have taken a request that did not go through.
    if (!sent)
        DeviceMirror::forgetAll(QStringLiteral("a request did not go through"));
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

// Reset drops every write not yet applied, which the mirror cannot tell apart.
bool DeviceLink::resetChecked()
{
    QMutexLocker lock(&commandLock());
    const bool sent = controlCommand(fwcmd::ControlReset, 0, true);
    DeviceMirror::forgetAll(QStringLiteral("Reset"));
    runWritesSent = 0;
    runWritesSkipped = 0;
    return sent;
}

// The mouse stores a selected profile in its active-profile byte.
bool DeviceLink::selectProfileChecked(int profile)
{
    QMutexLocker lock(&commandLock());
    const bool sent = controlCommand(fwcmd::ControlSelectProfile, std::uint8_t(profile), false);
    if (sent && profile >= 0 && profile < fwmem::ProfileCount)
        DeviceMirror::remember(fwmem::ActiveProfile,
                               std::uint8_t(fwmem::ActiveProfileMark | profile));
    else
        DeviceMirror::forgetActiveProfile();
    return sent;
}

bool DeviceLink::finishWrites(bool allWritten)
{
    QMutexLocker lock(&commandLock());
    if (batchDepth > 0)
        return allWritten;
    // A run whose every byte the mouse already held changed nothing: no
    // Reload (a run that skipped nothing Reloads as always, even empty).
    const bool nothingToApply = runWritesSent == 0 && runWritesSkipped > 0;
    runWritesSent = 0;
    runWritesSkipped = 0;
    if (allWritten && nothingToApply) {
        ORVEX_DEBUG(QStringLiteral("the mouse already held every byte: no Reload"));
        return true;
    }
    if (allWritten)
        return reloadChecked();
    if (!resetChecked())
        ORVEX_DEBUG(QStringLiteral("no Reset after a failed write: the mouse is not answering"));
    return false;
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
    if (DeviceMirror::holds(address, data)) {
        ++runWritesSkipped;
        return true;
    }
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
    if (sent) {
        DeviceMirror::remember(address, data);
        ++runWritesSent;
        ++writesSent;
    }
    TransferProgress::step();
    return sent;
}

long long DeviceLink::writeRequestsSent()
{
    return writesSent.load();
}

// The mouse answers a read with the request's command and address around the
// data (DF data addr-lo addr-hi): an answer that names another address belongs
// to another request, one sent by a program that does not share our lock or
// one the mouse handled out of turn.
bool DeviceLink::answersRequest(const Report &answer, std::uint16_t address)
{
    return answer[0] == fwcmd::ReadByte && answer[fwcmd::AnswerAddressLow] == (address & 0xFF) &&
           answer[fwcmd::AnswerAddressHigh] == (address >> 8);
}

std::optional<std::uint8_t> DeviceLink::readOnce(std::uint16_t address, bool *mismatch)
{
    Buffer report = readRequest(address);
    const bool requested = sendRequest(report.data());
    pause();
    if (!requested || GetCommand(report.data(), fwcmd::ReportLength) == 0)
        return std::nullopt;
    if (!answersRequest(report, address)) {
        *mismatch = true;
        ORVEX_WARNING(QStringLiteral("read of 0x%1 answered for another request: %2")
                          .arg(address, 4, 16, QLatin1Char('0'))
                          .arg(QString::fromLatin1(ReportText::format(report))));
        return std::nullopt;
    }
    return report[fwcmd::AnswerData];
}

std::optional<std::uint8_t> DeviceLink::readByteChecked(std::uint16_t address)
{
    QMutexLocker lock(&commandLock());
    bool mismatch = false;
    std::optional<std::uint8_t> value = readOnce(address, &mismatch);
    if (!value && mismatch) {
        // A program outside our lock is talking to the mouse, and may write.
        DeviceMirror::forgetAll(QStringLiteral("an answer for another request"));
        value = readOnce(address, &mismatch);
    }
    if (!value) {
        DeviceMirror::forgetAll(QStringLiteral("a read went unanswered"));
        return std::nullopt;
    }
    DeviceMirror::remember(address, *value);
    TransferProgress::step();
    return value;
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
    lock.unlock();
    // Where there is a bus loop to hear them (the application, the agent).
    if (QCoreApplication::instance())
        DeviceWriteNotice::watch();
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
    lastRequestAt = {};
    stopFlag = nullptr;
    pauseMs = DefaultPauseMs;
    batchDepth = 0;
    runWritesSent = 0;
    runWritesSkipped = 0;
    writesSent = 0;
}

} // namespace orvex
