// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

struct udev;
struct udev_monitor;
class QSocketNotifier;

namespace orvex {

// Hears hidraw nodes come and go through libudev's monitor. Events arrive
// after udev has applied its rules, so a node announced as added already has
// the access rights the rules give it. The monitor's socket is watched by the
// event loop: nothing runs while no device changes.
class UdevHidMonitor : public QObject
{
    Q_OBJECT
public:
    explicit UdevHidMonitor(QObject *parent = nullptr);
    ~UdevHidMonitor() override;

    // Answers false (logged) when the monitor cannot be set up; the agent
    // then only sees the devices present at its start.
    bool start();

Q_SIGNALS:
    // A hidraw node was added or removed; `action` is udev's word for it.
    void changed(const QString &action, const QString &node);

private:
    void receive();

    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace orvex
