// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "VirtualMouseProcess.h"

#include <QByteArray>
#include <QString>

namespace orvex::test {

// The built virtual mouse served as a kernel HID device (serve --uhid), and
// its hidraw node as hidapi lists it to the suite's programs. Needs
// /dev/uhid and the right to open it.
class UhidMouse
{
public:
    static constexpr int NodeTimeoutMs = 30000;

    explicit UhidMouse(const QString &folder);

    // Starts the virtual mouse and waits until its node is listed.
    bool start();
    // The node the suite would talk to now (HidEnumeration); empty when none.
    static QByteArray node();
    // Waits until a node is listed (`present`) or none is.
    static bool waitForNode(bool present, int timeoutMs = NodeTimeoutMs);

    VirtualMouseProcess process;
};

} // namespace orvex::test
