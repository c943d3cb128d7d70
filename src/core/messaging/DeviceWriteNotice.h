// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvex {

// Keeps the mirrors of the mouse's memory (DeviceMirror) of the suite's
// programs true to the mouse.
//
// Every program that changed the mouse's memory (a write, Reload, Reset or
// profile selection went out) says so once it lets go of the command
// channel: the session-bus signal "OrvexDeviceWritten" on the suite's path
// and interface, object the program's name, userInfo "pid" (int32). A
// program that watches drops its whole mirror when another program says so,
// and drops what the mouse changed by itself when the agent relays it
// ("OrvexDevStatus": profile, DPI stage, unplug, plug).
class DeviceWriteNotice
{
public:
    // A request that may change the memory went out from this process.
    static void noteChange();
    static bool isPending();
    // Posts the signal once for the changes noted since the last post.
    // DeviceCommandLock calls it when the outermost holder lets go.
    static void announcePending();

    // Starts following the other programs' signals and the agent's device
    // status, on the thread of the process's bus notifications (the main
    // thread); answers false without a session bus. Again does nothing.
    static bool watch();
    static bool isWatching();

    // Nothing pending; no longer watching.
    static void resetState();
};

} // namespace orvex
