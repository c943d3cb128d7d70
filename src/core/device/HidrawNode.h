// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace orvex {

// What the kernel tells of a hidraw node beyond what hidapi lists.
class HidrawNode
{
public:
    // The physical path of the HID device behind `devicePath` (/dev/hidrawN),
    // such as "usb-0000:00:14.0-2/input0": where on the bus it is plugged, so
    // another mouse that takes over a freed node name is told apart. Empty
    // when the kernel does not say.
    static QByteArray physicalPath(const QByteArray &devicePath);
};

} // namespace orvex
