// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/TransferState.h"
#include "device/WritePlan.h"
#include "profile/ProfileRecords.h"

#include <QString>

#include <optional>

namespace orvex {

// Lighting, performance (report rate, DPI stages, lift-off) and the profile
// name of one onboard slot.
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
    static bool writeLighting(int slot, const ORVEX_PROFILE &record);
    static bool readLighting(int slot, ORVEX_PROFILE &record);
    static WritePlan planLighting(int slot, const ORVEX_PROFILE &record);
    // Performance byte, the eight DPI bytes and the lift-off byte; Reload.
    static bool writePerformance(int slot, const ORVEX_PROFILE &record);
    static WritePlan planPerformance(int slot, const ORVEX_PROFILE &record);
    // Only the performance byte (active stage and rate); Reload.
    static bool writeDpiStage(int slot, const ORVEX_PROFILE &record);
    static bool readPerformance(int slot, ORVEX_PROFILE &record);
    // The slot's name (its stored form, see FirmwareName). No Reload: the
    // caller ends it with DeviceLink::finishWrites(), or the mouse forgets
    // the name at its next Reset.
    static bool writeName(int slot, const QString &name);
    static WritePlan planName(int slot, const QString &name);
    // The slot's name; empty when the slot has none. Nothing when a read failed.
    static std::optional<QString> readName(int slot);
    // The active onboard profile (0..4); 0 when it cannot be read.
    static int getFWProfile();

    // The same on the transfer record (TransferState).
    static bool setColorToDevice() { return writeLighting(transferSlot(), transferRecord()); }
    static bool getColorFromDevice() { return readLighting(transferSlot(), transferRecord()); }
    static bool setSettingToDev() { return writePerformance(transferSlot(), transferRecord()); }
    static bool setDPILevelToDev() { return writeDpiStage(transferSlot(), transferRecord()); }
    static bool getSettingFromDev() { return readPerformance(transferSlot(), transferRecord()); }
    static bool setFWProfileName(const QString &name) { return writeName(transferSlot(), name); }
    // Empty when the slot has none or a read failed.
    static QString getFWProfileName() { return readName(transferSlot()).value_or(QString()); }

private:
    static int transferSlot() { return TransferState::currSetProfileID; }
    static ORVEX_PROFILE &transferRecord() { return TransferState::currSetProfile; }
};

} // namespace orvex
