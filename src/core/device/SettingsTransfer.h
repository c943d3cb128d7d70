// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>

namespace orvex {

// Lighting, performance (report rate, DPI stages, lift-off) and profile names
// of onboard slot TransferState::currSetProfileID, to and from
// TransferState::currSetProfile.
//
// Writers stop at the first report that does not go through and answer
// whether every report did; those that end with Reload send Reset instead
// after a failure (DeviceLink::finishWrites). Readers change the
// record only when every byte was read; otherwise they answer false and leave
// it as it was, so a mouse that stops answering never fills a profile with
// garbage.
class SettingsTransfer
{
public:
    // The three LED zone bytes; Reload.
    static bool setColorToDevice();
    static bool getColorFromDevice();
    // Performance byte, the eight DPI bytes and the lift-off byte; Reload.
    static bool setSettingToDev();
    // Only the performance byte (active stage and rate); Reload.
    static bool setDPILevelToDev();
    static bool getSettingFromDev();
    // The slot's name (its stored form, see FirmwareName). No Reload: the
    // caller ends it with DeviceLink::finishWrites(), or the mouse forgets
    // the name at its next Reset.
    static bool setFWProfileName(const QString &name);
    // The slot's name; empty when the slot has none. Nothing when a read failed.
    static std::optional<QString> readFWProfileName();
    static QString getFWProfileName();
    // The active onboard profile (0..4); 0 when it cannot be read.
    static int getFWProfile();
};

} // namespace orvex
