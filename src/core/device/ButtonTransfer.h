// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/TransferState.h"
#include "device/WritePlan.h"
#include "profile/ProfileRecords.h"

namespace orvex {

// The eleven button assignments of one onboard slot and the macros they use.
// Writers answer whether every report went through; readers change the record
// only when every byte arrived.
class ButtonTransfer
{
public:
    // Class and parameter bytes of every button of `record`, the macro of
    // every macro button, into onboard slot `slot`; then
    // DeviceLink::finishWrites().
    static bool writeButtons(int slot, const ORVEX_PROFILE &record);
    // The writes of writeButtons(), in its order: for each button its class
    // and parameters, then its macro.
    static WritePlan planButtons(int slot, const ORVEX_PROFILE &record);
    // Reads every button of `slot` into `record` and gives each its FuncID.
    // Fields the mouse does not hold (launcher paths, single-key codes) keep
    // the record's values.
    static bool readButtons(int slot, ORVEX_PROFILE &record);

    // The same on the transfer record (TransferState).
    static bool setBtnInfoToDevice()
    {
        return writeButtons(TransferState::currSetProfileID, TransferState::currSetProfile);
    }
    static bool getBtnInfoFromDevice()
    {
        return readButtons(TransferState::currSetProfileID, TransferState::currSetProfile);
    }

    // The macro of button `btnIndex` of `proInfo` into the macro area of
    // (profile, the button's slot): header and data. No Reload. A macro id
    // that names no macro writes nothing.
    static bool setMacroInfoToDevice(int profile, int btnIndex, const ORVEX_PROFILE &proInfo);
    static WritePlan planMacro(int profile, int btnIndex, const ORVEX_PROFILE &proInfo);
    // Reads the header and data of the macro of every macro button of
    // `record` in `slot`, for the mirror of the mouse's memory
    // (DeviceMirror) alone: an apply then rewrites a macro only when it
    // changed. Nothing to do with the mirror off. False when a read failed.
    static bool readMacroBytes(int slot, const ORVEX_PROFILE &record);
    // Repeat mode and count from the macro header of button `btnIndex`.
    static bool getMacroInfoFromDevice(int profile, int btnIndex, ORVEX_PROFILE &proInfo);

    // The FuncID a button read back from the mouse shows: macro (6, or 239
    // without a macro id), launcher (15), the two fixed mouse functions (240,
    // 241), else the single-key catalogue entry with the same bytes; keeps
    // `previous` when none matches.
    static std::uint32_t functionIdFor(const BTN_INFO &button, std::uint32_t previous);
};

} // namespace orvex
