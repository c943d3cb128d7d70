// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/DeviceCommandLock.h"
#include "device/Transport.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <optional>

namespace orvex {

class WexHIDComFunction;

// Mouse identity on USB.
constexpr int OrvexVendorId = 0x12CF;
constexpr int OrvexProductId = 0x0219;

// Command reports of the configuration channel (8 bytes, unlisted bytes 0).
namespace fwcmd {
constexpr std::uint8_t Control = 0xC4; // C4 00 reload, C4 01 reset, C4 07 p select profile
constexpr std::uint8_t ControlReload = 0x00;
constexpr std::uint8_t ControlReset = 0x01;
constexpr std::uint8_t ControlSelectProfile = 0x07;
constexpr std::uint8_t WriteByte = 0xDE; // DE addr-lo data addr-hi
constexpr std::uint8_t ReadByte = 0xDF;  // DF addr-lo 00 addr-hi, then GET: DF data addr-lo addr-hi
constexpr int AnswerData = 1;
constexpr int AnswerAddressLow = 2;
constexpr int AnswerAddressHigh = 3;
constexpr int ReportLength = 8;
} // namespace fwcmd

// The feature-report command channel: single-byte writes and reads of the
// configuration memory, Reload, Reset and profile selection.
//
// Every write, read request, Reload and Reset is followed by a 30 ms pause
// the firmware needs; in addition no two requests are sent less than the pause
// apart, so a command after a profile selection waits too.
class DeviceLink
{
public:
    // The shared requester; null until startListenDev() has run, and report
    // operations before that do nothing.
    static WexHIDComFunction *sysDeviceReq;

    // One GET_REPORT / SET_REPORT through the requester: 1 when the report
    // went through, 0 when it did not (or there is no requester).
    static std::int8_t GetCommand(std::uint8_t *buffer, int length);
    static std::int8_t SetCommand(std::uint8_t *buffer, int length);

    static void refreshDeviceData();
    static void resetDev();
    static void setAdrrData(std::uint8_t data, std::uint16_t address);
    // The byte at `address`; 0 when the read did not go through (use
    // readByteChecked() where that must be told apart).
    static std::uint8_t getAdrrDataWithAddr(std::uint16_t address);
    // Writes 0x50 | profile to the active-profile byte, then selects it.
    static void setProfileToDevice(int profile);

    // Also starts DeviceWriteNotice::watch() in a program with a
    // QCoreApplication.
    static void startListenDev();
    static bool checkListenDev();

    // Checked forms for transfers that must stop when the mouse does not answer.
    // A write of the value the mouse is known to hold (DeviceMirror) is
    // skipped: no request, no pause, no progress step, and true.
    static bool writeByteChecked(std::uint16_t address, std::uint8_t data);
    // Write requests that went through since the process started (or the
    // last resetState()).
    static long long writeRequestsSent();
    // The byte at `address`. An answer for another address is asked for once
    // more; nothing when the mouse did not answer, or answered for another
    // address twice.
    static std::optional<std::uint8_t> readByteChecked(std::uint16_t address);
    // Ends a run of writes. When every write went through: Reload, answering
    // whether it did; but when the run skipped writes and sent none, the
    // mouse already held it all, and there is nothing to Reload: true. Otherwise the run stopped at
    // its first failed write: no Reload, so the mouse never applies a mix of old and new bytes, but
    // Reset, which drops what was written and not applied (the mouse may be
    // back after a replug); answers false. Inside a WriteBatch the Reload or
    // Reset waits for the batch's commit.
    static bool finishWrites(bool allWritten);
    static bool reloadChecked();
    static bool resetChecked();
    static bool selectProfileChecked(int profile);

    // Held for every command (a read's request and answer together); a
    // transfer may hold it across many commands so that nothing of the same
    // process is interleaved with it.
    static DeviceCommandLock &commandLock();

    // How a transfer is stopped between two requests (TransferWorker::stop()).
    // The thread running it points at a flag; once the flag is set, every
    // further request of that thread fails without reaching the mouse, as if
    // the mouse had been unplugged: the transfer stores nothing and writes no
    // more. Reset alone still goes out, so that a run of writes cut short is
    // dropped rather than applied (finishWrites()). Null, the default: the
    // thread is never stopped. Other threads' requests are not affected.
    static void setStopFlag(const std::atomic<bool> *flag);
    // Whether the calling thread has been asked to stop.
    static bool stopRequested();
    // Sleeps for `pause`, but no longer than until the calling thread is
    // asked to stop; answers false when it was.
    static bool sleepUnlessStopped(std::chrono::milliseconds pause);

    // The pause after each request. Tests that move many bytes shorten it.
    static void setReportPause(std::chrono::milliseconds pause);
    static std::chrono::milliseconds reportPause();
    // Forgets the requester and the timing, and sets the pause back to 30 ms.
    static void resetState();

private:
    friend class WriteBatch;
    // Open WriteBatches; guarded by commandLock().
    static int batchDepth;

    static bool sendRequest(std::uint8_t *report);
    static bool stoppedBefore(const std::uint8_t *report);
    static std::optional<std::uint8_t> readOnce(std::uint16_t address, bool *mismatch);
    static bool answersRequest(const Report &answer, std::uint16_t address);
    static bool controlCommand(std::uint8_t command, std::uint8_t argument, bool pauseAfter);
    static void pause();
};

} // namespace orvex
