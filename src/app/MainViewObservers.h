// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMetaObject>
#include <QObject>
#include <QVariant>
#include <QVariantMap>

namespace orvex {

class MainView;

// The notifications the main view follows while it is in its window:
//   in process: "Notify_ActiveProfile_Event", "Notify_HideLoad_Event",
//     "Notify_CloseWindow_Event", "Notify_EndLoadApp" and the skinned
//     buttons' "WexNotifyShowTipNameStr" / "WexNotifyHideTipNameStr";
//   from the agent: "OrvexDevStatus".
// A transfer's end is posted on its worker thread; it is handed to the main
// thread, queued to the view (so it goes when the view goes). Everything else
// arrives on the main thread and is handled at once.
class MainViewObservers : public QObject
{
    Q_OBJECT
public:
    explicit MainViewObservers(MainView &view);
    ~MainViewObservers() override;

    void registerAll();
    void removeAll();

private:
    void onInProcess(const QString &name, const QVariant &object, const QVariantMap &userInfo);
    void onSystemWide(const QString &name, const QVariantMap &userInfo);
    void hideLoadView(const QVariant &object, const QVariantMap &userInfo);

    MainView &m_view;
    QMetaObject::Connection m_inProcess;
    QMetaObject::Connection m_systemWide;
};

} // namespace orvex
