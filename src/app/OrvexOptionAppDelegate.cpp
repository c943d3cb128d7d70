// SPDX-License-Identifier: GPL-3.0-or-later
#include "OrvexOptionAppDelegate.h"

#include "AboutConnortller.h"
#include "ApplicationIdentity.h"
#include "LoadingOverlay.h"
#include "MacroMenuList.h"
#include "MainView.h"
#include "MainViewLayout.h"
#include "WexAccessibleFactory.h"
#include "WexNoTitleWindow.h"
#include "messaging/InProcessNotifier.h"
#include "messaging/NotificationNames.h"

#include <QApplication>

namespace orvex {

OrvexOptionAppDelegate::OrvexOptionAppDelegate(QObject *parent) : QObject(parent)
{
    m_quit = [] {
        // Queued: before the event loop runs, a quit would be lost.
        QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                  Qt::QueuedConnection);
    };
}

OrvexOptionAppDelegate::~OrvexOptionAppDelegate()
{
    delete m_window.data();
}

bool OrvexOptionAppDelegate::launch()
{
    WexAccessibleFactory::ensureInstalled();
    LoadingOverlay::installHook();
    MacroMenuList::installHook();
    m_window = new WexNoTitleWindow(MainViewLayout::ViewSize);
    m_window->setWindowTitle(QLatin1String(ApplicationIdentity::DisplayName));
    m_window->setAttribute(Qt::WA_QuitOnClose);
    connect(m_window, &WexNoTitleWindow::windowWillClose, this, [this] {
        if (m_mainView)
            m_mainView->stopTransfersBeforeQuit();
    });
    const QRect frame(QPoint(0, 0), MainViewLayout::ViewSize);
    // Made without a parent: joining the window below runs its initNotify().
    m_mainView = KeltoImageView::create<MainView>(frame, nullptr);
    connect(m_mainView, &MainView::terminateRequested, this, &OrvexOptionAppDelegate::terminate);
    m_window->setContentView(m_mainView);
    if (m_terminating)
        return false;
    applicationDidFinishLaunching();
    m_window->center();
    m_window->show();
    m_launched = true;
    return true;
}

void OrvexOptionAppDelegate::applicationDidFinishLaunching()
{
    m_window->setIsCanDrag(true);
    m_window->setDragHeight(MainViewLayout::DragHeight);
    InProcessNotifier::shared()->post(QLatin1String(notify::EndLoadApp));
}

void OrvexOptionAppDelegate::raiseWindow()
{
    // A dialog the application waits for goes first; before launching has
    // finished (the missing-mouse warning) the main window is not shown.
    QWidget *target = QApplication::activeModalWidget();
    if (!target && m_launched)
        target = m_window;
    if (!target)
        return;
    if (target->isMinimized())
        target->showNormal();
    target->show();
    target->raise();
    target->activateWindow();
}

void OrvexOptionAppDelegate::showAboutPro()
{
    AboutConnortller::shareAboutController()->showModal();
}

void OrvexOptionAppDelegate::terminate()
{
    if (m_terminating)
        return;
    m_terminating = true;
    if (m_quit)
        m_quit();
}

} // namespace orvex
