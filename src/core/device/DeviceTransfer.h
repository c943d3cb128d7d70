// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "profile/ProfileRecords.h"

#include <QString>

#include <chrono>
#include <functional>

namespace orvex {

// Whole-profile transfers between the working record and the mouse, and the
// import of all five onboard profiles into the stored profiles.
//
// Every write takes the working record (selProfile), the slot being edited
// and, for a whole profile, the selected profile's name, copies them into the
// transfer record (TransferState) and sends them. Every transfer holds the
// command channel for its whole length, so nothing else interleaves with it
// and a second transfer waits for the first; only while an import on the
// worker waits for the main thread may the process's other threads send
// requests (other programs stay out throughout).
//
// Writes skip every byte the mouse is known to hold (DeviceMirror): after
// the import, a write sends only what differs, and Reloads only when it sent
// something. Progress counts the writes needed.
//
// Threads. The plain operations run on the calling thread; orvexctl and the
// pages call them on the main thread. The …Pro operations are for the
// application's main thread: each takes what it sends there, starts the
// transfer on the worker (TransferWorker), shows the loading overlay
// (LoadingOverlayHook::show(), on the calling thread) and returns at once.
// They answer false and do nothing (no overlay, no notification) while an
// earlier transfer still runs: the caller counts only transfers that
// started. On the worker, the import hands every step that needs the profile
// store (binding the name read to a stored profile, creating one, storing
// the record read, saving the folder, putting the selection back after a
// failure) to the main thread and waits for it (MainThreadCall); the main
// thread must keep running its event loop meanwhile, or wait in
// TransferWorker::wait(), which runs those steps. Progress goes to
// LoadingOverlayHook::reportProgress() on the worker.
//
// The end. Transfers behind the overlay end by posting "Notify_HideLoad_Event"
// (AgentMessaging::sendHideLoadView()) on the thread that ran them, the
// worker for the …Pro operations: object 0 after buttons or one profile, 1
// after the whole device (the import); userInfo "success" is false when the
// transfer failed (the mouse stopped answering or was unplugged, the profile
// folder could not be written, or the transfer was stopped). Its observer
// moves its own work to the main thread.
//
// Quitting: TransferWorker::stop() (connected to QCoreApplication::
// aboutToQuit by the first …Pro call) stops the running transfer at its next
// request and joins the worker. A stopped write sends no more bytes and
// Resets the mouse instead of Reloading it; a stopped import stores nothing
// and leaves the stored profiles, their files and the selection as they were.
class DeviceTransfer
{
public:
    static bool setCurrBtnInfoToDevice();
    static bool setCurrBtnInfoToDevicePro();

    // Short transfers the pages run on the calling thread.
    static bool setCurrColorToDev();
    static bool setCurrSettingToDev();
    static bool setCurrDPILevelToDev();

    // Buttons, lighting, performance and the name of the edited profile, as
    // one batch with one Reload at the end: the mouse takes all of it or, when
    // a write fails, none of it (a Reset drops what was written).
    static bool applyFWData();
    static bool applyFWDataPro();
    // Reads every byte applyFWData() would write now, so that it then writes
    // only those the mouse does not hold (DeviceMirror). For a process that
    // has not read the mouse; false when it stopped answering.
    static bool readApplyTargets();

    // Reads the five onboard profiles into the stored profiles: each slot is
    // bound to the stored profile of the name the mouse holds (created when
    // missing; a slot without a name gets a new profile whose name is written
    // back). It also reads the bytes of the slots' macros, which no record
    // holds, so that the mirror knows them (not with ORVEX_FULL_WRITES=1).
    // When the mouse stops answering, the import stops and the stored
    // profiles, their files and the selection stay as they were.
    static bool getAllFWData();
    enum class ImportOutcome
    {
        Imported,
        // Also when TransferWorker::stop() stopped it.
        MouseStopped,
        FolderNotWritten,
    };
    // getAllFWData(), telling why it failed.
    static ImportOutcome importAll();
    static bool getAllFWDataPro();

    // The pause before an import reads anything, giving a mouse that was
    // just plugged in time to settle (5 s unless set). TransferWorker::stop()
    // cuts it short.
    static void setSettlePause(std::chrono::milliseconds pause);
    static std::chrono::milliseconds settlePause();
    // The settle pause back to 5 s.
    static void resetState();

private:
    // What a write sends, taken on the thread that starts it.
    struct WorkingRecord
    {
        int slot = 0;
        QString name;
        ORVEX_PROFILE record{};
    };
    static WorkingRecord takeWorkingRecord();
    static void useWorkingRecord(const WorkingRecord &working);
    static bool sendButtons(const WorkingRecord &working);
    static bool sendProfile(const WorkingRecord &working);
    static ImportOutcome importSlots();
    static bool importSlot(int slot);
    static bool startBehindOverlay(std::function<void()> transfer);
};

} // namespace orvex
