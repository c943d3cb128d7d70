// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvex::notify {

// System-wide notifications (D-Bus session-bus signals).
inline constexpr char SettingChange[] = "OrvexSettingChange"; // application -> agent
inline constexpr char DevStatus[] = "OrvexDevStatus";         // agent -> application
// Any program -> the others: it wrote to the mouse (DeviceWriteNotice).
inline constexpr char DeviceWritten[] = "OrvexDeviceWritten";
inline constexpr char BusPath[] = "/com/kelto/orvex";
inline constexpr char BusInterface[] = "com.kelto.orvex";

// In-process notifications.
inline constexpr char EndLoadApp[] = "Notify_EndLoadApp";
inline constexpr char HideLoadEvent[] = "Notify_HideLoad_Event";
inline constexpr char ActiveProfileEvent[] = "Notify_ActiveProfile_Event";
inline constexpr char DpiChange[] = "Notify_DPIChange";
inline constexpr char CloseWindowEvent[] = "Notify_CloseWindow_Event";
// userInfo key of HideLoadEvent: false when the transfer failed.
inline constexpr char SuccessKey[] = "success";

// Message codes of SettingChange.
enum SettingCode
{
    ReloadProfiles = 101, // no values
    OsdSwitch = 110,      // value1 = on/off
    ShowChange = 111,     // value1 = kind, value2..value4 = values
};

// Kinds of ShowChange.
enum ShowKind
{
    ShowProfile = 1,
    ShowMode = 2,
    ShowDpi = 3,
    ShowRate = 4
};

// Types of DevStatus.
enum DevStatusType
{
    StatusProfile = 1, // value = firmware profile 0..4
    StatusDpi = 2,     // value1 = stage, value2 = X byte, value3 = Y byte
    StatusUnplugged = 100,
    StatusPlugged = 101,
};

} // namespace orvex::notify
