// SPDX-License-Identifier: GPL-3.0-or-later
#include "LoadingOverlay.h"

#include "ShowLoadView.h"
#include "WexNoTitleWindow.h"
#include "messaging/LoadingOverlayHook.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

namespace orvex {

namespace {

// Created on first use and never destroyed (the window lives as long as
// the process); a QPointer so a window torn down with the application is
// not used afterwards.
QPointer<WexNoTitleWindow> overlayWindow;

WexNoTitleWindow *makeOverlay()
{
    const QSize size(LoadingOverlay::Width, LoadingOverlay::Height);
    auto *window = new WexNoTitleWindow(size);
    window->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    window->setWindowTitle(QStringLiteral("Loading"));
    window->setIsCanDrag(false);
    window->setContentView(new ShowLoadView(QRect(QPoint(0, 0), size)));
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        window->move(area.left() + (area.width() - size.width()) / 2,
                     area.top() + (area.height() - size.height()) / 2 +
                         LoadingOverlay::BelowCentre);
    }
    return window;
}

} // namespace

void LoadingOverlay::showLoadViewPro()
{
    if (!overlayWindow)
        overlayWindow = makeOverlay();
    ShowLoadView *view = loadView();
    view->setProgress(0, 0, QString());
    view->setAnt(true);
    overlayWindow->show();
    overlayWindow->raise();
    overlayWindow->activateWindow();
}

void LoadingOverlay::hideLoadViewPro()
{
    if (!overlayWindow)
        return;
    if (ShowLoadView *view = loadView())
        view->setAnt(false);
    overlayWindow->hide();
}

void LoadingOverlay::setProgress(int done, int total, const QString &text)
{
    if (ShowLoadView *view = loadView())
        view->setProgress(done, total, text);
}

void LoadingOverlay::installHook()
{
    LoadingOverlayHook::Handlers handlers;
    handlers.show = [] { showLoadViewPro(); };
    handlers.hide = [] { hideLoadViewPro(); };
    handlers.progress = [](int done, int total, const QString &text) {
        QCoreApplication *application = QCoreApplication::instance();
        if (!application)
            return;
        QMetaObject::invokeMethod(
            application, [done, total, text] { setProgress(done, total, text); },
            Qt::QueuedConnection);
    };
    LoadingOverlayHook::install(handlers);
}

WexNoTitleWindow *LoadingOverlay::showLoadFrm()
{
    return overlayWindow.data();
}

ShowLoadView *LoadingOverlay::loadView()
{
    return overlayWindow ? qobject_cast<ShowLoadView *>(overlayWindow->contentView()) : nullptr;
}

bool LoadingOverlay::isShown()
{
    return overlayWindow && overlayWindow->isVisible();
}

} // namespace orvex
