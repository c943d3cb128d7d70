// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/Transport.h"

#include <cstdint>
#include <optional>

namespace orvex {

// One input report of the mouse, read field by field. The mouse sends these
// on its own when a person uses it; the host only ever reads them, so there
// is no encoder here.
//
// Layout (8 bytes):
//   byte 0  kind; only EventKind (0xA4) carries the events below
//   byte 1  sub-kind: 0 button (launcher or configuration), 1 profile
//           changed, 2 DPI stage changed; other values mean nothing
//   byte 2  profile (0..4) in the high nibble; for sub-kind 2 the DPI stage
//           in the low nibble. For sub-kind 1 the whole byte is profile * 16
//   byte 3  sub-kind 2: X resolution byte (units of fwmem::DpiUnit)
//   byte 4  sub-kind 2: Y resolution byte
//   byte 5  sub-kind 0: 0x00 or 0xFF the configuration button,
//           LauncherCodeBase + 11 * profile + firmware button slot a launcher
//   byte 6, 7 unused
class InputReport
{
public:
    static constexpr std::uint8_t EventKind = 0xA4;
    enum SubKind : std::uint8_t
    {
        ButtonPressed = 0,
        ProfileChanged = 1,
        DpiStageChanged = 2,
    };
    static constexpr std::uint8_t ConfigAppCode = 0x00;
    static constexpr std::uint8_t ConfigAppCodeAlt = 0xFF;
    static constexpr std::uint8_t LauncherCodeBase = 0x80;

    explicit InputReport(const Report &report) : m_bytes(report) {}

    int kind() const { return m_bytes[KindByte]; }
    bool isEvent() const { return kind() == EventKind; }
    int subKind() const { return m_bytes[SubKindByte]; }

    // The high nibble of byte 2: 0..15, of which 0..4 name a profile.
    int profile() const { return m_bytes[ProfileByte] >> ProfileShift; }
    bool namesProfile() const;
    // The low nibble of byte 2: 0..15, of which 0..3 name a stage.
    int stage() const { return m_bytes[ProfileByte] & StageMask; }
    int x() const { return m_bytes[DpiXByte]; }
    int y() const { return m_bytes[DpiYByte]; }

    int buttonCode() const { return m_bytes[ButtonCodeByte]; }
    bool isConfigurationButton() const;
    // Whether byte 5 is in the launcher range at all (LauncherCodeBase and up).
    bool isLauncherCode() const { return buttonCode() >= LauncherCodeBase; }
    // The firmware button slot (0..10) a launcher code names on profile(),
    // or nothing when the code belongs to no slot of that profile.
    std::optional<int> launcherSlot() const;

private:
    static constexpr int KindByte = 0;
    static constexpr int SubKindByte = 1;
    static constexpr int ProfileByte = 2;
    static constexpr int DpiXByte = 3;
    static constexpr int DpiYByte = 4;
    static constexpr int ButtonCodeByte = 5;
    static constexpr int ProfileShift = 4;
    static constexpr std::uint8_t StageMask = 0x0F;

    Report m_bytes;
};

} // namespace orvex
