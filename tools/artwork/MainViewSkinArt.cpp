// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainViewSkinArt.h"

#include "ControlFaceArt.h"
#include "MainViewLayout.h"
#include "MouseArt.h"
#include "MouseShapes.h"
#include "PageButtonArt.h"
#include "PageFrameArt.h"
#include "SkinPalette.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace orvex::artwork {

namespace {

constexpr quint32 MetalSeed = 11;
constexpr qreal HexPitch = 26.0;

const QRect ModeStrip(20, 166, 520, 62);
const QRect ButtonTray(652, 10, 256, 41);
const QRect FunctionPanel(625, 196, 222, 372);
const QRect InfoPanel(36, 672, 436, 46);
const int FooterTop = 712;
const int FooterLeft = 612;

QRect rectOf(const char *field)
{
    const MainViewLayout::Control *control = MainViewLayout::byField(QLatin1String(field));
    return control ? control->rect : QRect();
}

// A faint honeycomb over the right of the top strip, fading to the left.
void paintHeaderPattern(QPainter &painter, const QRect &area)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(area, Qt::IntersectClip);
    painter.setBrush(Qt::NoBrush);
    const qreal rowStep = HexPitch * std::sqrt(3.0) / 2;
    int row = 0;
    for (qreal y = area.top(); y < area.bottom() + HexPitch; y += rowStep, ++row) {
        for (qreal x = area.left() + (row % 2) * HexPitch / 2; x < area.right() + HexPitch;
             x += HexPitch) {
            const qreal fade = qBound(0.0, (x - area.left()) / area.width(), 1.0);
            painter.setPen(QPen(QColor(255, 255, 255, int(4 + 14 * fade)), 1.0));
            QPainterPath hex;
            for (int corner = 0; corner < 6; ++corner) {
                const qreal angle = (60.0 * corner + 30.0) * M_PI / 180.0;
                const QPointF point(x + std::cos(angle) * HexPitch * 0.5,
                                    y + std::sin(angle) * HexPitch * 0.5);
                corner == 0 ? hex.moveTo(point) : hex.lineTo(point);
            }
            hex.closeSubpath();
            painter.drawPath(hex);
        }
    }
    painter.restore();
}

void paintHeader(QPainter &painter)
{
    PageFrameArt::paintHeaderStrip(painter, MainViewLayout::ViewSize.width(),
                                   MainViewLayout::DragHeight);
    paintHeaderPattern(painter, QRect(430, 1, 492, 104));
    PageFrameArt::paintHeading(
        painter, {QRect(24, 20, 6, 28),
                  {26, QRect(40, 14, 300, 40), QStringLiteral("ORVEX")},
                  {10, QRect(41, 54, 400, 16), QStringLiteral("GAMING MOUSE CONFIGURATION")}});
    SkinPainter::paintCarbonPanel(painter, ButtonTray);
}

void paintModeStrip(QPainter &painter)
{
    SkinPainter::paintCarbonPanel(painter, ModeStrip);
    const QRect modes = rectOf("normalModeBtn");
    PageFrameArt::paintLabel(painter,
                             QRect(ModeStrip.left() + 14, modes.top(),
                                   modes.left() - ModeStrip.left() - 20, modes.height()),
                             QStringLiteral("LED mode"));
    const QRect field = rectOf("currProfileBtn");
    const QRect battle = rectOf("battleModeBtn");
    PageFrameArt::paintLabel(
        painter,
        QRect(battle.right() + 10, modes.top(), field.left() - battle.right() - 18, modes.height()),
        QStringLiteral("Profile"), Qt::AlignRight);
}

// The cells stand off the metal: a soft shadow under each.
void paintPageShadows(QPainter &painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const QString &name : PageButtonArt::names()) {
        for (const MainViewLayout::Control &control : MainViewLayout::controls()) {
            if (control.ownPicture != name)
                continue;
            const QPainterPath cell =
                PageButtonArt::shape(control.rect.size()).translated(control.rect.topLeft());
            for (int spread = 3; spread >= 1; --spread) {
                painter.setBrush(QColor(0, 0, 0, 40));
                painter.drawPath(cell.translated(spread, spread + 2));
            }
        }
    }
    painter.restore();
}

void paintFunctionPanel(QPainter &painter)
{
    SkinPainter::paintCarbonPanel(painter, FunctionPanel);
    const QRect first = rectOf("tkeyBtn");
    PageFrameArt::paintLabel(painter,
                             QRect(first.left() + 2, FunctionPanel.top() + 6, first.width(),
                                   first.top() - FunctionPanel.top() - 14),
                             QStringLiteral("Button function"));
}

void paintInfoArea(QPainter &painter)
{
    SkinPainter::paintCarbonPanel(painter, InfoPanel);
    painter.fillRect(QRect(InfoPanel.left() + 6, InfoPanel.top() + 8, 3, InfoPanel.height() - 16),
                     SkinPalette::accentBright());
    const QRect icon = MainViewLayout::FunctionIcon;
    painter.save();
    QFont font = SkinPalette::font(9, true);
    font.setLetterSpacing(QFont::PercentageSpacing, 112);
    painter.setFont(font);
    painter.setPen(SkinPalette::textDim().lighter(120));
    painter.drawText(QRect(InfoPanel.left() + 16, InfoPanel.top(),
                           icon.left() - InfoPanel.left() - 28, InfoPanel.height()),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("SELECTED\nBUTTON"));
    painter.setPen(QColor(255, 255, 255, 30));
    painter.drawLine(icon.left() - 7, InfoPanel.top() + 8, icon.left() - 7, InfoPanel.bottom() - 8);
    painter.restore();
}

// The cord runs up under the strip below the tabs.
void paintMouse(QPainter &painter)
{
    MouseArt::paintBody(painter, ModeStrip.bottom());
    for (int index = 0; index < MouseShapes::FirstDpiKey; ++index)
        MouseArt::paintButton(painter, index, SkinPainter::Face::Normal);
}

void paintSlicedControls(QPainter &painter, SkinPainter::Face face)
{
    for (const MainViewLayout::Control &control : MainViewLayout::controls()) {
        if (control.ownPicture.isEmpty())
            ControlFaceArt::paint(painter, control, face);
    }
}

} // namespace

void MainViewSkinArt::paint(QPainter &painter, SkinPainter::Face face)
{
    const QRect window(QPoint(0, 0), MainViewLayout::ViewSize);
    SkinPainter::paintWindowBackground(painter, window, MetalSeed);
    paintHeader(painter);
    paintMouse(painter);
    paintModeStrip(painter);
    paintPageShadows(painter);
    paintFunctionPanel(painter);
    paintInfoArea(painter);
    PageFrameArt::paintSlantedFooter(painter, MainViewLayout::ViewSize, FooterLeft, FooterTop);
    paintSlicedControls(painter, face);
    // The window's edge, over the controls that reach it.
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(window.adjusted(0, 0, -1, -1));
}

} // namespace orvex::artwork
