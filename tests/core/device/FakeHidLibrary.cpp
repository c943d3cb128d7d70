// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeHidLibrary.h"

#include <hidapi/hidapi.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <list>

// The library keeps this type opaque; the double's handles remember whether
// they were closed, so a call on a stale handle fails the test.
struct hid_device_
{
    bool open = true;
};

namespace orvex::test {

namespace {

FakeHidLibrary *fake = nullptr;
std::list<hid_device> handles;

FakeHidLibrary &current()
{
    if (!fake)
        ADD_FAILURE() << "hidapi called without a live FakeHidLibrary";
    return *fake;
}

void expectLive(const hid_device *device)
{
    EXPECT_TRUE(device && device->open) << "call on a null or closed handle";
}

int nextResult(std::deque<int> &results, std::size_t length)
{
    if (results.empty())
        return int(length);
    const int result = results.front();
    results.pop_front();
    return result;
}

int init()
{
    return 0;
}

hid_device_info *enumerate(unsigned short, unsigned short)
{
    ++current().unfreedEnumerations;
    hid_device_info *head = nullptr;
    for (auto node = fake->nodes.rbegin(); node != fake->nodes.rend(); ++node) {
        auto *info = new hid_device_info{};
        info->path = strdup(node->path.c_str());
        info->interface_number = node->interfaceNumber;
        info->usage_page = node->usagePage;
        info->next = head;
        head = info;
    }
    return head;
}

void freeEnumeration(hid_device_info *devices)
{
    --current().unfreedEnumerations;
    while (devices) {
        hid_device_info *next = devices->next;
        std::free(devices->path);
        delete devices;
        devices = next;
    }
}

hid_device *openPath(const char *path)
{
    current().openedPaths.emplace_back(path);
    return fake->openFails ? nullptr : &handles.emplace_back();
}

void close(hid_device *device)
{
    expectLive(device);
    if (device)
        device->open = false;
}

int sendFeatureReport(hid_device *device, const unsigned char *data, std::size_t length)
{
    expectLive(device);
    current().sends.emplace_back(data, data + length);
    return nextResult(fake->sendResults, length);
}

int getFeatureReport(hid_device *device, unsigned char *data, std::size_t length)
{
    expectLive(device);
    current().gets.emplace_back(data, data + length);
    if (length > 1)
        std::copy_n(fake->answer.begin(), std::min(length - 1, fake->answer.size()), data + 1);
    return nextResult(fake->getResults, length);
}

int readTimeout(hid_device *device, unsigned char *, std::size_t, int)
{
    expectLive(device);
    return 0;
}

const wchar_t *error(hid_device *device)
{
    return device ? L"fake device error" : L"fake library error";
}

} // namespace

FakeHidLibrary::FakeHidLibrary()
{
    fake = this;
}

FakeHidLibrary::~FakeHidLibrary()
{
    handles.clear();
    fake = nullptr;
}

const HidApi &FakeHidLibrary::api() const
{
    static const HidApi table{init,  enumerate,         freeEnumeration,  openPath,
                              close, sendFeatureReport, getFeatureReport, readTimeout,
                              error};
    return table;
}

QByteArray FakeHidLibrary::physicalPath(const QByteArray &devicePath) const
{
    for (const Node &node : nodes) {
        if (devicePath == node.path.c_str())
            return QByteArray::fromStdString(node.physicalPath);
    }
    return {};
}

int FakeHidLibrary::openHandles() const
{
    return int(std::count_if(handles.begin(), handles.end(),
                             [](const hid_device &handle) { return handle.open; }));
}

} // namespace orvex::test
