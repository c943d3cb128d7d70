// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QVariant>
#include <QVariantMap>

namespace orvex {

// The in-process notification centre: one per process. post() may be called
// from any thread; observers connected with Qt::AutoConnection run on the
// posting thread when they live there, so an observer that must touch the
// interface connects with Qt::QueuedConnection or hands work to the main thread.
class InProcessNotifier : public QObject
{
    Q_OBJECT
public:
    static InProcessNotifier *shared();

    void post(const QString &name, const QVariant &object = {}, const QVariantMap &userInfo = {});

Q_SIGNALS:
    void notified(const QString &name, const QVariant &object, const QVariantMap &userInfo);

private:
    InProcessNotifier() = default;
};

} // namespace orvex
