// SPDX-License-Identifier: GPL-3.0-or-later
#include "OsdWindow.h"

#include "DesktopNotification.h"
#include "OsdArtwork.h"
#include "ShowMsgView.h"

#include <QGuiApplication>
#include <QScreen>

namespace orvex {

namespace {

// A tool-tip window is what X11 window managers leave undecorated, unfocused
// and above normal windows; the other flags say so explicitly for the rest.
constexpr Qt::WindowFlags DisplayWindowFlags =
    Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
    Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput | Qt::NoDropShadowWindowHint;

} // namespace

OsdWindow::OsdWindow(QWidget *parent)
    : QWidget(parent, DisplayWindowFlags), m_view(new ShowMsgView(this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(osd::Width, osd::Height);
    setWindowTitle(QStringLiteral("Orvex"));
    if (!canPlaceWindows())
        m_notification = new DesktopNotification(this);
    connect(m_view, &ShowMsgView::displayed, this, &OsdWindow::present);
    connect(m_view, &ShowMsgView::finished, this, &OsdWindow::finish);
}

OsdWindow::~OsdWindow() = default;

bool OsdWindow::canPlaceWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QPoint OsdWindow::placement(const QRect &screenGeometry)
{
    const int x = screenGeometry.x() + (screenGeometry.width() - osd::Width) / 2;
    const int y = screenGeometry.y() + screenGeometry.height() - BottomMargin - osd::Height;
    return {x, y};
}

void OsdWindow::prepareForDisplay()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(placement(screen->geometry()));
    if (!isVisible())
        setWindowOpacity(0.0);
}

void OsdWindow::present(const QString &caption)
{
    if (m_notification) {
        m_notification->show(caption);
        return;
    }
    show();
    setWindowOpacity(1.0);
}

void OsdWindow::finish()
{
    hide();
}

} // namespace orvex
