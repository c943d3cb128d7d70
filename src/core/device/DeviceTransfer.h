// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>

namespace orvex {

// Whole-profile transfers between the working record and the mouse, and the
// import of all five onboard profiles into the stored profiles.
//
// Every write first copies the working record (selProfile) into the transfer
// record (TransferState) and takes the slot being edited. Every transfer
// holds the command channel for its whole length (so nothing else of the
// process interleaves with it, and a second transfer waits for the first);
// those that run behind the loading overlay end by posting
// "Notify_HideLoad_Event" with 0 (buttons or one profile) or 1 (the whole
// device) and userInfo "success". The …Pro variants run the same on a new
// detached worker thread behind the loading overlay.
class DeviceTransfer
{
public:
    static bool setCurrBtnInfoToDevice();
    static void setCurrBtnInfoToDevicePro();

    // Short transfers the pages run on the calling thread.
    static bool setCurrColorToDev();
    static bool setCurrSettingToDev();
    static bool setCurrDPILevelToDev();

    // Buttons, lighting, performance and the name of the edited profile, as
    // one batch with one Reload at the end: the mouse takes all of it or, when
    // a write fails, none of it (a Reset drops what was written).
    static bool applyFWData();
    static void applyFWDataPro();

    // Reads the five onboard profiles into the stored profiles: each slot is
    // bound to the stored profile of the name the mouse holds (created when
    // missing; a slot without a name gets a new profile whose name is written
    // back). When the mouse stops answering, the import stops and the stored
    // profiles, their files and the selection stay as they were.
    static bool getAllFWData();
    enum class ImportOutcome
    {
        Imported,
        MouseStopped,
        FolderNotWritten,
    };
    // getAllFWData(), telling why it failed.
    static ImportOutcome importAll();
    static void getAllFWDataPro();

    // The pause before an import reads anything, giving a mouse that was
    // just plugged in time to settle (5 s unless set).
    static void setSettlePause(std::chrono::milliseconds pause);
    static std::chrono::milliseconds settlePause();
    // The settle pause back to 5 s.
    static void resetState();

private:
    static void takeWorkingRecord();
    static bool importSlot(int slot);
    static void runOnWorker(bool (*transfer)());
};

} // namespace orvex
