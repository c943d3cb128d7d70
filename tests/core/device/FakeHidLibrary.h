// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/HidApi.h"

#include <QByteArray>

#include <deque>
#include <string>
#include <vector>

namespace orvex::test {

// A test double of the hidapi calls: a scripted bus of hidraw nodes and a
// mouse whose answers the test sets, recording every call. The library calls
// are plain functions, so they reach the one live instance through a static
// pointer; create at most one at a time.
class FakeHidLibrary
{
public:
    struct Node
    {
        std::string path;
        int interfaceNumber = 0;
        std::string physicalPath = "usb-0000:00:14.0-1/input0";
        unsigned short usagePage = 0;
    };
    using Bytes = std::vector<unsigned char>;

    FakeHidLibrary();
    ~FakeHidLibrary();
    FakeHidLibrary(const FakeHidLibrary &) = delete;
    FakeHidLibrary &operator=(const FakeHidLibrary &) = delete;

    const HidApi &api() const;
    // The physical path the kernel gives for a node on the scripted bus.
    QByteArray physicalPath(const QByteArray &devicePath) const;
    int openHandles() const;

    // Scripted: the bus in hid_enumerate's order; results of the next
    // transfers, oldest first (a transfer answers its full length when none is
    // left); what the mouse writes after the report id byte on every GET,
    // whatever the result.
    std::vector<Node> nodes;
    bool openFails = false;
    std::deque<int> sendResults;
    std::deque<int> getResults;
    Bytes answer = Bytes(8, 0);

    // Recorded: feature buffers as handed over (their size is the length
    // argument), and the paths opened.
    std::vector<Bytes> sends;
    std::vector<Bytes> gets;
    std::vector<std::string> openedPaths;
    int unfreedEnumerations = 0;
};

} // namespace orvex::test
