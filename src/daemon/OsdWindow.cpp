// SPDX-License-Identifier: GPL-3.0-or-later
#include "OsdWindow.h"

#include "DesktopNotification.h"
#include "OsdArtwork.h"
#include "ShowMsgView.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QSurfaceFormat>

namespace orvex {

namespace {

// A tool-tip window is what X11 window managers leave undecorated, unfocused
// and above normal windows; the other flags say so explicitly for the rest.
constexpr Qt::WindowFlags DisplayWindowFlags =
    Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
    Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput | Qt::NoDropShadowWindowHint;

// Per-pixel transparency around the picture's rounded panel.
constexpr int AlphaBits = 8;

} // namespace

OsdWindow::OsdWindow() : m_view(new ShowMsgView(this))
{
    setFlags(DisplayWindowFlags);
    QSurfaceFormat format = requestedFormat();
    format.setAlphaBufferSize(AlphaBits);
    setFormat(format);
    setGeometry(0, 0, osd::Width, osd::Height);
    setTitle(QStringLiteral("Orvex"));
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
        setPosition(placement(screen->geometry()));
    if (!isVisible())
        setOpacity(0.0);
}

void OsdWindow::present(const QString &caption)
{
    if (m_notification) {
        m_notification->show(caption);
        return;
    }
    update();
    show();
    setOpacity(1.0);
}

void OsdWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_view->drawRect(painter, QRect(QPoint(0, 0), size()));
}

void OsdWindow::finish()
{
    hide();
}

} // namespace orvex
