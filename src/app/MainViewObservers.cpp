// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainViewObservers.h"

#include "ButtonInfoArea.h"
#include "MainView.h"
#include "WexButton.h"
#include "messaging/AgentMessaging.h"
#include "messaging/DistributedNotifications.h"
#include "messaging/InProcessNotifier.h"
#include "messaging/NotificationNames.h"

#include <QThread>

namespace orvex {

namespace {

bool is(const QString &name, const char *expected)
{
    return name == QLatin1String(expected);
}

} // namespace

MainViewObservers::MainViewObservers(MainView &view) : m_view(view) {}

MainViewObservers::~MainViewObservers()
{
    removeAll();
}

void MainViewObservers::registerAll()
{
    removeAll();
    // Direct: the transfer's end must be taken on the worker that posts it.
    m_inProcess = connect(InProcessNotifier::shared(), &InProcessNotifier::notified, this,
                          &MainViewObservers::onInProcess, Qt::DirectConnection);
    DistributedNotifications *bus = DistributedNotifications::shared();
    bus->observe(QLatin1String(notify::DevStatus));
    m_systemWide = connect(bus, &DistributedNotifications::received, this,
                           [this](const QString &name, const QString &, const QVariantMap &info,
                                  const QString &) { onSystemWide(name, info); });
}

void MainViewObservers::removeAll()
{
    disconnect(m_inProcess);
    disconnect(m_systemWide);
}

void MainViewObservers::onInProcess(const QString &name, const QVariant &object,
                                    const QVariantMap &userInfo)
{
    if (is(name, notify::HideLoadEvent)) {
        hideLoadView(object, userInfo);
        return;
    }
    if (thread() != QThread::currentThread())
        return;
    if (is(name, notify::ActiveProfileEvent)) {
        m_view.acitveProfileById(userInfo.value(QStringLiteral("ProID")).toLongLong());
    } else if (is(name, notify::CloseWindowEvent)) {
        m_view.dealFinishWin(AgentMessaging::intValue(userInfo, QStringLiteral("type")));
    } else if (is(name, notify::EndLoadApp)) {
        m_view.onEndLoadApp();
    } else if (is(name, WexButton::ShowTipNotification)) {
        m_view.infoArea().ShowToolTip(object.value<QObject *>());
    } else if (is(name, WexButton::HideTipNotification)) {
        m_view.infoArea().HideToolTip();
    }
}

// Any thread. A nil object reads as 0: a transfer of one profile.
void MainViewObservers::hideLoadView(const QVariant &object, const QVariantMap &userInfo)
{
    const int value = object.isValid() ? object.toInt() : 0;
    const QVariant success = userInfo.value(QLatin1String(notify::SuccessKey));
    const bool succeeded = !success.isValid() || success.toBool();
    MainView *view = &m_view;
    QMetaObject::invokeMethod(
        view, [view, value, succeeded] { view->hideLoadViewPro(value, succeeded); },
        Qt::QueuedConnection);
}

void MainViewObservers::onSystemWide(const QString &name, const QVariantMap &userInfo)
{
    if (is(name, notify::DevStatus))
        m_view.devReportPro(userInfo);
}

} // namespace orvex
