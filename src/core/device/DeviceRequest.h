// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace orvex {

// The standard USB control-request layout handed to the requester. Field
// order and widths are fixed; wLenDone is filled in with the bytes moved.
struct DeviceRequest
{
    std::uint8_t bmRequestType = 0; // 0xA1 device-to-host (GET), 0x21 host-to-device (SET)
    std::uint8_t bRequest = 0;      // 0x01 GET_REPORT, 0x09 SET_REPORT
    std::uint16_t wValue = 0;       // report type in the high byte (3 = feature), id in the low
    std::uint16_t wIndex = 0;       // interface number
    std::uint16_t wLength = 0;      // bytes in pData
    std::uint8_t *pData = nullptr;
    std::uint32_t wLenDone = 0;
};

namespace usb {
constexpr std::uint8_t RequestTypeClassInterfaceIn = 0xA1;
constexpr std::uint8_t RequestTypeClassInterfaceOut = 0x21;
constexpr std::uint8_t GetReport = 0x01;
constexpr std::uint8_t SetReport = 0x09;
constexpr std::uint16_t FeatureReportId0 = 0x0300;
} // namespace usb

} // namespace orvex
