// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

namespace orvex {

// A short-lived desktop notification through the session bus's
// org.freedesktop.Notifications service. Each notification replaces the
// previous one, so quick changes do not pile up, and expires after
// ExpireMs. Without a bus or a notification service nothing is shown.
class DesktopNotification : public QObject
{
    Q_OBJECT
public:
    static constexpr int ExpireMs = 3000;

    explicit DesktopNotification(QObject *parent = nullptr);

    // Shows `summary`; an empty text shows nothing.
    void show(const QString &summary);

private:
    uint m_lastId = 0; // the service's id of our last notification, 0 = none
};

} // namespace orvex
