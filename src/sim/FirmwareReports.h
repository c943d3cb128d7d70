// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Transport.h"

#include <cstdint>

// The reports as the firmware reads and writes them, and where its profile
// blocks lie. The virtual mouse keeps its own copy of these on purpose,
// instead of borrowing the host's encoders and decoders (InputReport,
// MemoryMap::getOffsetAdrBy), so that a fault in the host's encoding shows up
// in device tests instead of being mirrored by the firmware. This header is
// the virtual mouse's only copy; the addresses inside profile 0's block are
// the memory map's (fwmem), which both sides name alike.
namespace orvex::sim::fwreport {

// Feature reports (SET), byte 0.
constexpr std::uint8_t Control = 0xC4;              // byte 1: one of Control*
constexpr std::uint8_t ControlReload = 0x00;        // apply written memory
constexpr std::uint8_t ControlReset = 0x01;         // restart, forgetting writes not yet applied
constexpr std::uint8_t ControlSelectProfile = 0x07; // byte 2: profile 0..4
constexpr std::uint8_t WriteByte = 0xDE;            // DE addr-lo data addr-hi
constexpr std::uint8_t ReadByte = 0xDF;             // DF addr-lo 00 addr-hi; the next GET answers
                                                    // DF data addr-lo addr-hi 00 00 00 00

// Byte positions inside a command report.
constexpr int CommandByte = 0;
constexpr int ControlByte = 1;
constexpr int SelectedProfileByte = 2;
constexpr int AddressLowByte = 1;
constexpr int DataByte = 2;
constexpr int AddressHighByte = 3;

// Positions inside the answer to a read request.
constexpr int AnswerDataByte = 1;
constexpr int AnswerAddressLowByte = 2;
constexpr int AnswerAddressHighByte = 3;

// Input reports: A4 event ...
constexpr std::uint8_t InputKind = 0xA4;
constexpr std::uint8_t EventButton = 0x00;  // byte 2 profile << 4, byte 5 button code
constexpr std::uint8_t EventProfile = 0x01; // byte 2 profile << 4
constexpr std::uint8_t EventDpi = 0x02;     // byte 2 profile << 4 | stage, bytes 3/4 X/Y DPI bytes
constexpr int EventByte = 1;
constexpr int ProfileByte = 2;
constexpr int DpiXByte = 3;
constexpr int DpiYByte = 4;
constexpr int ButtonCodeByte = 5;
constexpr int ProfileShift = 4;
constexpr std::uint8_t ConfigAppCode = 0x00;    // byte 5 of the configuration button's report
constexpr std::uint8_t LauncherCodeBase = 0x80; // byte 5 of a launcher: base + 11 * profile + slot

// The five profile blocks are 80 bytes apart, with 16 bytes skipped before
// the fourth (0x1F0..0x1FF), so they start at 0x100, 0x150, 0x1A0, 0x200, 0x250.
constexpr int ProfileGapFrom = 3;
constexpr int ProfileGapSize = 16;
constexpr int ProfileBlockSize = 80;

// Where the byte at `profile0Address` of profile 0's block lies for `profile`.
constexpr std::uint16_t profileAddress(int profile0Address, int profile)
{
    const int gap = profile >= ProfileGapFrom ? ProfileGapSize : 0;
    return std::uint16_t(profile0Address + ProfileBlockSize * profile + gap);
}

// The performance byte: bit 7 set, bits 3-4 rate code (0 = 1000 Hz .. 3 = 125 Hz),
// bits 0-2 the active DPI stage.
constexpr std::uint8_t StageMask = 0x07;
constexpr int RateShift = 3;
constexpr std::uint8_t RateCodeMask = 0x03;
constexpr std::uint8_t ActiveProfileMask = 0x07;

} // namespace orvex::sim::fwreport
