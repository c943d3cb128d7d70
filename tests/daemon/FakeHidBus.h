// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "device/HidApi.h"

#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace orvex::test {

// A test double of the hidapi calls for input: a scripted bus of hidraw
// nodes whose open handles block in hid_read_timeout like the real ones,
// until the test hands them a report or unplugs their node. The library
// calls are plain functions, so they reach the one live instance through a
// static pointer; create at most one at a time.
class FakeHidBus
{
public:
    struct Node
    {
        std::string path;
        int interfaceNumber = 0;
        // The node's top-level usages: one enumeration entry each.
        std::vector<std::pair<unsigned short, unsigned short>> usages;
    };
    using Bytes = std::vector<unsigned char>;

    FakeHidBus();
    // Unplugs everything and waits for the readers to let go of their handles.
    ~FakeHidBus();
    FakeHidBus(const FakeHidBus &) = delete;
    FakeHidBus &operator=(const FakeHidBus &) = delete;

    const HidApi &api() const;

    // The bus as enumerated from now on.
    void setNodes(std::vector<Node> nodes);
    // Removes every node: reads of open handles fail, as hidraw's do.
    void unplugAll();
    // Queues an input report for every open handle of `path`.
    void sendReport(const std::string &path, const Bytes &report);

    int openHandles() const;
    std::vector<std::string> openedPaths() const;

private:
    struct Handle
    {
        std::string path;
        std::deque<Bytes> queue;
        bool gone = false;
    };

    static FakeHidBus *instance;
    static hid_device_info *enumerate(unsigned short, unsigned short);
    static void freeEnumeration(hid_device_info *devices);
    static hid_device *openPath(const char *path);
    static void close(hid_device *device);
    static int readTimeout(hid_device *device, unsigned char *data, std::size_t length, int);

    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::vector<Node> m_nodes;
    std::map<hid_device *, Handle *> m_handles;
    std::vector<std::string> m_opened;
};

} // namespace orvex::test
