// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// How the virtual mouse presents itself to the kernel as a HID device
// (UhidServer): the identity the real mouse reports on USB, and the report
// descriptor of its configuration interface. Like FirmwareReports.h, these
// are the virtual mouse's own copies, so a host that looks for the wrong ids
// fails its tests.
namespace orvex::sim::kernelmouse {

constexpr std::uint16_t BusUsb = 0x03; // BUS_USB of <linux/input.h>
constexpr std::uint32_t VendorId = 0x12CF;
constexpr std::uint32_t ProductId = 0x0219;
constexpr std::uint32_t Release = 0x0100; // bcdDevice 1.00
constexpr char Name[] = "Kelto Orvex Gaming Mouse";

// Both reports are 8 bytes and unnumbered (report id 0): the whole report is
// the 8 bytes the firmware reads and writes.
constexpr std::size_t ReportSize = 8;

// One vendor-defined application collection and nothing else: the mouse's
// configuration interface alone (its boot-mouse interface, which reports
// movement, plays no part in the suite and is left out). Without report ids,
// the input report carries the 0xA4 events and the feature report the command
// channel; hid-generic binds to it and gives it a hidraw node, and hidapi lists
// that node with usage page 0xFF00, usage 0x01.
//
//   06 00 FF   Usage Page (Vendor Defined 0xFF00)
//   09 01      Usage (0x01)
//   A1 01      Collection (Application)
//   15 00        Logical Minimum (0)
//   26 FF 00     Logical Maximum (255)
//   75 08        Report Size (8 bits)
//   95 08        Report Count (8)
//   09 02        Usage (0x02)
//   81 02        Input (Data, Variable, Absolute): the event reports
//   09 03        Usage (0x03)
//   B1 02        Feature (Data, Variable, Absolute): the command channel
//   C0         End Collection
constexpr std::array<std::uint8_t, 25> ReportDescriptor{
    0x06, 0x00, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x15, 0x00, 0x26, 0xFF, 0x00, 0x75,
    0x08, 0x95, 0x08, 0x09, 0x02, 0x81, 0x02, 0x09, 0x03, 0xB1, 0x02, 0xC0,
};

} // namespace orvex::sim::kernelmouse
