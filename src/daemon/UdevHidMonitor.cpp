// SPDX-License-Identifier: GPL-3.0-or-later
#include "UdevHidMonitor.h"

#include "platform/WexLogger.h"

#include <QSocketNotifier>

#include <libudev.h>

namespace orvex {

namespace {
constexpr char Subsystem[] = "hidraw";
constexpr char EventSource[] = "udev"; // after rules, not the raw kernel events
} // namespace

UdevHidMonitor::UdevHidMonitor(QObject *parent) : QObject(parent) {}

UdevHidMonitor::~UdevHidMonitor()
{
    delete m_notifier;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    if (m_udev)
        udev_unref(m_udev);
}

bool UdevHidMonitor::start()
{
    if (m_notifier)
        return true;
    m_udev = udev_new();
    if (m_udev)
        m_monitor = udev_monitor_new_from_netlink(m_udev, EventSource);
    if (!m_monitor ||
        udev_monitor_filter_add_match_subsystem_devtype(m_monitor, Subsystem, nullptr) < 0 ||
        udev_monitor_enable_receiving(m_monitor) < 0) {
        ORVEX_WARNING(QStringLiteral("no udev monitor: plugging the mouse in or out goes unseen"));
        return false;
    }
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &UdevHidMonitor::receive);
    return true;
}

// The monitor's socket is non-blocking: take every queued event.
void UdevHidMonitor::receive()
{
    while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
        const char *action = udev_device_get_action(device);
        const char *node = udev_device_get_devnode(device);
        const QString actionText = QString::fromLatin1(action ? action : "");
        const QString nodeText = QString::fromLocal8Bit(node ? node : "");
        udev_device_unref(device);
        ORVEX_DEBUG(QStringLiteral("udev: %1 %2").arg(actionText, nodeText));
        Q_EMIT changed(actionText, nodeText);
    }
}

} // namespace orvex
