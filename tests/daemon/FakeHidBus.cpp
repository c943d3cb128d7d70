// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeHidBus.h"

#include <hidapi.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace orvex::test {

namespace {
constexpr auto ReleaseTimeout = std::chrono::seconds(5);

int init()
{
    return 0;
}

int noFeature(hid_device *, const unsigned char *, std::size_t)
{
    return -1;
}

int noGetFeature(hid_device *, unsigned char *, std::size_t)
{
    return -1;
}

const wchar_t *error(hid_device *)
{
    return L"fake hidapi";
}
} // namespace

FakeHidBus *FakeHidBus::instance = nullptr;

FakeHidBus::FakeHidBus()
{
    instance = this;
}

FakeHidBus::~FakeHidBus()
{
    unplugAll();
    const auto deadline = std::chrono::steady_clock::now() + ReleaseTimeout;
    while (openHandles() > 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    instance = nullptr;
}

const HidApi &FakeHidBus::api() const
{
    static const HidApi table{init,      enumerate,    freeEnumeration, openPath, close,
                              noFeature, noGetFeature, readTimeout,     error};
    return table;
}

void FakeHidBus::setNodes(std::vector<Node> nodes)
{
    std::lock_guard lock(m_mutex);
    m_nodes = std::move(nodes);
}

void FakeHidBus::unplugAll()
{
    std::lock_guard lock(m_mutex);
    m_nodes.clear();
    for (auto &[device, handle] : m_handles)
        handle->gone = true;
    m_changed.notify_all();
}

void FakeHidBus::sendReport(const std::string &path, const Bytes &report)
{
    std::lock_guard lock(m_mutex);
    for (auto &[device, handle] : m_handles) {
        if (handle->path == path && !handle->gone)
            handle->queue.push_back(report);
    }
    m_changed.notify_all();
}

int FakeHidBus::openHandles() const
{
    std::lock_guard lock(m_mutex);
    return int(m_handles.size());
}

std::vector<std::string> FakeHidBus::openedPaths() const
{
    std::lock_guard lock(m_mutex);
    return m_opened;
}

hid_device_info *FakeHidBus::enumerate(unsigned short, unsigned short)
{
    std::lock_guard lock(instance->m_mutex);
    hid_device_info *first = nullptr;
    hid_device_info **next = &first;
    for (const Node &node : instance->m_nodes) {
        for (const auto &[page, usage] : node.usages) {
            auto *info = static_cast<hid_device_info *>(std::calloc(1, sizeof(hid_device_info)));
            info->path = strdup(node.path.c_str());
            info->interface_number = node.interfaceNumber;
            info->usage_page = page;
            info->usage = usage;
            *next = info;
            next = &info->next;
        }
    }
    return first;
}

void FakeHidBus::freeEnumeration(hid_device_info *devices)
{
    while (devices) {
        hid_device_info *next = devices->next;
        std::free(devices->path);
        std::free(devices);
        devices = next;
    }
}

hid_device *FakeHidBus::openPath(const char *path)
{
    std::lock_guard lock(instance->m_mutex);
    const bool exists = std::any_of(instance->m_nodes.begin(), instance->m_nodes.end(),
                                    [&](const Node &node) { return node.path == path; });
    if (!exists)
        return nullptr;
    auto *handle = new Handle{path, {}, false};
    auto *device = reinterpret_cast<hid_device *>(handle);
    instance->m_handles[device] = handle;
    instance->m_opened.push_back(path);
    return device;
}

void FakeHidBus::close(hid_device *device)
{
    std::lock_guard lock(instance->m_mutex);
    const auto found = instance->m_handles.find(device);
    if (found == instance->m_handles.end())
        return;
    delete found->second;
    instance->m_handles.erase(found);
}

int FakeHidBus::readTimeout(hid_device *device, unsigned char *data, std::size_t length, int)
{
    std::unique_lock lock(instance->m_mutex);
    Handle *handle = instance->m_handles.at(device);
    instance->m_changed.wait(lock, [&] { return handle->gone || !handle->queue.empty(); });
    if (handle->queue.empty())
        return -1;
    const Bytes report = handle->queue.front();
    handle->queue.pop_front();
    const std::size_t count = std::min(length, report.size());
    std::memcpy(data, report.data(), count);
    return int(count);
}

} // namespace orvex::test
