// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>
#include <optional>

namespace orvex {

// What this process knows the mouse's configuration memory holds: every byte
// it read or wrote, by address. DeviceLink::writeByteChecked() skips a write
// of the value the mirror already holds, so a transfer sends only the bytes
// that differ and the mouse ends up exactly as after a full rewrite.
//
// The mirror stands for the memory the mouse answers reads from (its written
// memory), so it must be dropped whenever that memory may hold something this
// process did not see: per byte for what the mouse changes by itself (the
// active profile at fwmem::ActiveProfile, the performance byte when its DPI
// stage moves), whole on Reset, unplug, plug, a request that failed or went
// unanswered, and when another program wrote to the mouse
// (DeviceWriteNotice).
//
// ORVEX_FULL_WRITES=1 turns it off: nothing is remembered and every write
// goes out, as in a process that never read the mouse.
//
// Thread safety: every operation takes an internal lock.
class DeviceMirror
{
public:
    static bool isEnabled();

    // Whether the mouse is known to hold `value` at `address`.
    static bool holds(std::uint16_t address, std::uint8_t value);
    // The byte known at `address`, if any.
    static std::optional<std::uint8_t> byteAt(std::uint16_t address);
    // A byte read from or written to the mouse.
    static void remember(std::uint16_t address, std::uint8_t value);
    static void forget(std::uint16_t address);
    // The mouse's own changes, as the agent relays them: a profile switch
    // moves the active-profile byte; a DPI stage change moves the
    // performance byte of the active profile, which is forgotten in every
    // slot since the report does not name the slot to us.
    static void forgetActiveProfile();
    static void forgetPerformance();
    // `why` goes to the debug log.
    static void forgetAll(const QString &why);
    // How many bytes the mirror knows.
    static int knownBytes();

    // Empty.
    static void resetState();
};

} // namespace orvex
