// SPDX-License-Identifier: GPL-3.0-or-later
#include "MouseArt.h"

#include "MouseShapes.h"
#include "SkinPalette.h"
#include "SurfacePainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>

namespace orvex::artwork {

namespace {

constexpr qreal VentRadius = 4.6;
constexpr qreal VentPitch = 12.5;
constexpr qreal LogoRadius = 21.0;
constexpr qreal FrontLightWidth = 2.2;
constexpr qreal WingLightWidth = 2.0;

QPen roundPen(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPainterPath hexagon(const QPointF &centre, qreal radius, qreal turn = 0)
{
    QPainterPath path;
    for (int corner = 0; corner < 6; ++corner) {
        const qreal angle = (60.0 * corner + 30.0 + turn) * M_PI / 180.0;
        const QPointF point = centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
        if (corner == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

// A line with a soft glow around it: a lit light strip.
void paintLitLine(QPainter &painter, const QPainterPath &line, qreal width,
                  const MouseArt::Lamp &lamp)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    QColor glow = lamp.light;
    glow.setAlpha(40);
    painter.setPen(roundPen(glow, width * 5));
    painter.drawPath(line);
    glow.setAlpha(90);
    painter.setPen(roundPen(glow, width * 2.4));
    painter.drawPath(line);
    painter.setPen(roundPen(lamp.light, width));
    painter.drawPath(line);
    painter.setPen(roundPen(lamp.core, width / 3));
    painter.drawPath(line);
    painter.restore();
}

// An unlit strip: frosted dark plastic with a faint sheen.
void paintDarkLine(QPainter &painter, const QPainterPath &line, qreal width)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(QColor(6, 6, 8), width + 1.6));
    painter.drawPath(line);
    painter.setPen(roundPen(QColor(58, 60, 66), width));
    painter.drawPath(line);
    painter.setPen(roundPen(QColor(255, 255, 255, 40), width / 3));
    painter.drawPath(line);
    painter.restore();
}

// A braided cord with its strain relief at the shell.
void paintCable(QPainter &painter, qreal top)
{
    const QPainterPath cord = MouseShapes::cable(top);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0, 0, 0, 120), 11, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(cord.translated(2, 3));
    painter.setPen(QPen(QColor(4, 4, 6), 8.5, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(cord);
    painter.setPen(QPen(QColor(38, 39, 44), 6.5, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(cord);
    QPen braid(QColor(255, 255, 255, 34), 6.0, Qt::CustomDashLine, Qt::FlatCap);
    braid.setDashPattern({0.25, 0.35});
    painter.setPen(braid);
    painter.drawPath(cord);
    painter.setPen(QPen(QColor(229, 30, 43, 150), 1.0, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(cord.translated(-1.6, 0));
    const QRectF relief(MouseShapes::centreX() - 8, 280, 16, 16);
    QLinearGradient fill(relief.topLeft(), relief.topRight());
    fill.setColorAt(0.0, QColor(20, 20, 23));
    fill.setColorAt(0.5, QColor(70, 72, 78));
    fill.setColorAt(1.0, QColor(20, 20, 23));
    painter.setPen(QPen(QColor(4, 4, 6), 1.2));
    painter.setBrush(fill);
    painter.drawRoundedRect(relief, 4, 4);
}

// The lights' red glow on the surface around the mouse, when they are on.
void paintShadow(QPainter &painter, bool lightsOn)
{
    const QPointF centre(MouseShapes::centreX(), 486);
    painter.setPen(Qt::NoPen);
    if (lightsOn) {
        QRadialGradient glow(centre, 270);
        glow.setColorAt(0.0, QColor(229, 30, 43, 46));
        glow.setColorAt(0.6, QColor(229, 30, 43, 14));
        glow.setColorAt(1.0, QColor(229, 30, 43, 0));
        painter.setBrush(glow);
        painter.drawEllipse(centre, 270, 250);
    }
    QRadialGradient shade(centre + QPointF(0, 10), 230);
    shade.setColorAt(0.0, QColor(0, 0, 0, 170));
    shade.setColorAt(0.8, QColor(0, 0, 0, 90));
    shade.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setBrush(shade);
    painter.drawEllipse(centre + QPointF(0, 12), 240, 205);
}

// Rubber grips: dark, with a fine diagonal rib.
void paintWing(QPainter &painter, const QPainterPath &wing)
{
    const QRectF box = wing.boundingRect();
    QLinearGradient fill(box.topLeft(), box.bottomRight());
    fill.setColorAt(0.0, QColor(40, 41, 46));
    fill.setColorAt(1.0, QColor(16, 16, 19));
    painter.setPen(roundPen(QColor(4, 4, 6), 1.4));
    painter.setBrush(fill);
    painter.drawPath(wing);
    painter.save();
    painter.setClipPath(wing, Qt::IntersectClip);
    painter.setPen(QPen(QColor(255, 255, 255, 12), 1.0));
    for (qreal x = box.left() - box.height(); x < box.right(); x += 4)
        painter.drawLine(QPointF(x, box.bottom()), QPointF(x + box.height(), box.top()));
    painter.restore();
}

void paintShell(QPainter &painter)
{
    const QPainterPath shell = MouseShapes::shell();
    const QRectF box = shell.boundingRect();
    QRadialGradient fill(QPointF(MouseShapes::centreX(), 430), box.width() * 0.62);
    fill.setColorAt(0.0, QColor(74, 76, 83));
    fill.setColorAt(0.55, QColor(42, 43, 48));
    fill.setColorAt(1.0, QColor(18, 18, 21));
    painter.setPen(roundPen(QColor(4, 4, 6), 1.8));
    painter.setBrush(fill);
    painter.drawPath(shell);
    // Light along the front half of the rim.
    painter.save();
    painter.setClipRect(QRectF(box.left(), box.top(), box.width(), box.height() * 0.45),
                        Qt::IntersectClip);
    painter.setClipPath(shell, Qt::IntersectClip);
    painter.translate(0, 1.5);
    painter.setPen(QPen(QColor(255, 255, 255, 40), 1.2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shell);
    painter.restore();
    // The ridge down the middle of the palm.
    QLinearGradient ridge(QPointF(0, 410), QPointF(0, 660));
    ridge.setColorAt(0.0, QColor(255, 255, 255, 0));
    ridge.setColorAt(0.3, QColor(255, 255, 255, 34));
    ridge.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setPen(QPen(QBrush(ridge), 1.2));
    painter.drawLine(QPointF(MouseShapes::centreX(), 412), QPointF(MouseShapes::centreX(), 655));
}

// Hexagonal holes through the shell, as on a perforated ultralight mouse.
void paintVents(QPainter &painter, const QPainterPath &area)
{
    painter.save();
    painter.setClipPath(area, Qt::IntersectClip);
    const QRectF box = area.boundingRect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 60));
    painter.drawPath(area);
    const qreal rowStep = VentPitch * std::sqrt(3.0) / 2;
    int row = 0;
    for (qreal y = box.top() + VentRadius; y < box.bottom() + VentRadius; y += rowStep, ++row) {
        const qreal offset = (row % 2) * VentPitch / 2;
        for (qreal x = box.left() + offset; x < box.right() + VentRadius; x += VentPitch) {
            const QPointF centre(x, y);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(6, 6, 8));
            painter.drawPath(hexagon(centre, VentRadius));
            painter.setPen(QPen(QColor(255, 255, 255, 26), 0.8));
            painter.setBrush(Qt::NoBrush);
            painter.drawLine(centre + QPointF(-VentRadius * 0.85, VentRadius * 0.5),
                             centre + QPointF(0, VentRadius));
            painter.drawLine(centre + QPointF(0, VentRadius),
                             centre + QPointF(VentRadius * 0.85, VentRadius * 0.5));
        }
    }
    painter.restore();
    painter.setPen(QPen(QColor(0, 0, 0, 160), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(area);
}

void paintLogo(QPainter &painter, const MouseArt::Lamp &lamp)
{
    const QPointF centre = MouseShapes::logoCentre();
    QRadialGradient glow(centre, LogoRadius * 1.8);
    QColor halo = lamp.light;
    halo.setAlpha(90);
    glow.setColorAt(0.0, halo);
    halo.setAlpha(0);
    glow.setColorAt(1.0, halo);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(centre, LogoRadius * 1.8, LogoRadius * 1.8);
    painter.setBrush(QColor(14, 14, 16));
    painter.setPen(roundPen(lamp.light, 2.2));
    painter.drawPath(hexagon(centre, LogoRadius, 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(lamp.light);
    painter.drawPath(hexagon(centre, LogoRadius * 0.42, 30));
    painter.setPen(roundPen(lamp.rim, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hexagon(centre, LogoRadius * 0.42, 30));
}

void paintDarkLogo(QPainter &painter)
{
    const QPointF centre = MouseShapes::logoCentre();
    painter.setBrush(QColor(14, 14, 16));
    painter.setPen(roundPen(QColor(62, 64, 70), 2.2));
    painter.drawPath(hexagon(centre, LogoRadius, 30));
    painter.setPen(roundPen(QColor(255, 255, 255, 30), 1.0));
    painter.setBrush(QColor(40, 41, 46));
    painter.drawPath(hexagon(centre, LogoRadius * 0.42, 30));
}

// The dark sockets around the side buttons and the pad of the DPI keys.
void paintSockets(QPainter &painter)
{
    painter.setPen(QPen(QColor(255, 255, 255, 22), 1.0));
    painter.setBrush(QColor(8, 8, 10));
    for (int index = 3; index < MouseShapes::FirstDpiKey; ++index) {
        const QRectF rect = QRectF(MouseShapes::buttonRect(index)).adjusted(-1.5, -1.5, 1.5, 1.5);
        const qreal radius = qMin(rect.width(), rect.height()) / 2;
        painter.drawRoundedRect(rect, radius, radius);
    }
    const QPointF pad = MouseShapes::dpiPadCentre();
    const qreal radius = MouseShapes::dpiPadRadius();
    QRadialGradient fill(pad, radius);
    fill.setColorAt(0.0, QColor(30, 30, 34));
    fill.setColorAt(1.0, QColor(10, 10, 12));
    painter.setBrush(fill);
    painter.setPen(QPen(QColor(90, 92, 98), 1.2));
    painter.drawEllipse(pad, radius, radius);
    painter.setPen(QPen(SkinPalette::accent(), 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(pad, radius - 3, radius - 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(60, 62, 68));
    painter.drawEllipse(pad, 3.5, 3.5);
}

void paintWheel(QPainter &painter, SkinPainter::Face face)
{
    const QPainterPath wheel = MouseShapes::wheel();
    const QRectF box = wheel.boundingRect();
    QLinearGradient fill(box.topLeft(), box.topRight());
    const bool lit = face == SkinPainter::Face::Over || face == SkinPainter::Face::Down;
    const bool dim = face == SkinPainter::Face::Disable;
    fill.setColorAt(0.0, dim ? QColor(26, 26, 28) : QColor(20, 20, 23));
    fill.setColorAt(0.5, dim ? QColor(52, 53, 56) : QColor(96, 98, 105));
    fill.setColorAt(1.0, dim ? QColor(26, 26, 28) : QColor(20, 20, 23));
    painter.setPen(roundPen(lit ? SkinPalette::accentBright() : QColor(4, 4, 6), 1.4));
    painter.setBrush(fill);
    painter.drawPath(wheel);
    painter.save();
    painter.setClipPath(wheel, Qt::IntersectClip);
    painter.setPen(QPen(QColor(0, 0, 0, 150), 1.2));
    for (qreal y = box.top() + 4; y < box.bottom() - 2; y += 3.5)
        painter.drawLine(QPointF(box.left(), y), QPointF(box.right(), y));
    painter.restore();
    if (!dim) {
        QPainterPath stripe;
        stripe.moveTo(box.center().x(), box.top() + 5);
        stripe.lineTo(box.center().x(), box.bottom() - 5);
        painter.setPen(roundPen(QColor(229, 30, 43, lit ? 255 : 170), 2.0));
        painter.drawPath(stripe);
    }
}

void paintMiddleBar(QPainter &painter, SkinPainter::Face face)
{
    const QPainterPath bar = MouseShapes::button(1);
    SurfacePainter::paint(painter, bar, face);
    // A groove along the bar, broken by the wheel.
    const QRectF box = bar.boundingRect();
    const qreal y = box.center().y();
    painter.setPen(roundPen(QColor(0, 0, 0, 150), 3.0));
    painter.drawLine(QPointF(box.left() + 16, y), QPointF(box.center().x() - 18, y));
    painter.drawLine(QPointF(box.center().x() + 18, y), QPointF(box.right() - 16, y));
    paintWheel(painter, face);
}

void paintArrow(QPainter &painter, int index, SkinPainter::Face face)
{
    const QPointF centre = QRectF(MouseShapes::buttonRect(index)).center();
    const QPointF ahead = MouseShapes::dpiArrow(index);
    const QPointF side(-ahead.y(), ahead.x());
    QPainterPath arrow;
    arrow.moveTo(centre + ahead * 4.0);
    arrow.lineTo(centre - ahead * 2.5 + side * 4.0);
    arrow.lineTo(centre - ahead * 2.5 - side * 4.0);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(face == SkinPainter::Face::Normal || face == SkinPainter::Face::Active
                         ? SkinPalette::accentBright()
                         : SurfacePainter::ink(face));
    painter.drawPath(arrow);
}

} // namespace

MouseArt::Lamp MouseArt::redLamp()
{
    return {SkinPalette::accentBright(), QColor(255, 170, 170, 200), QColor(255, 190, 190, 200)};
}

MouseArt::Lamp MouseArt::lamp(const QColor &colour)
{
    const auto paler = [&colour](qreal towardsWhite) {
        QColor pale =
            QColor::fromRgbF(float(colour.redF() + (1 - colour.redF()) * towardsWhite),
                             float(colour.greenF() + (1 - colour.greenF()) * towardsWhite),
                             float(colour.blueF() + (1 - colour.blueF()) * towardsWhite));
        pale.setAlpha(200);
        return pale;
    };
    return {colour, paler(0.6), paler(0.7)};
}

void MouseArt::paintBody(QPainter &painter, qreal cableTop, bool lightsOn)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintShadow(painter, lightsOn);
    paintCable(painter, cableTop);
    paintWing(painter, MouseShapes::leftWing());
    paintWing(painter, MouseShapes::rightWing());
    for (const QPainterPath &light : MouseShapes::wingLights()) {
        if (lightsOn)
            paintLitLine(painter, light, WingLightWidth, redLamp());
        else
            paintDarkLine(painter, light, WingLightWidth);
    }
    paintShell(painter);
    paintVents(painter, MouseShapes::frontPlate());
    paintVents(painter, MouseShapes::palmVents());
    if (lightsOn) {
        paintLitLine(painter, MouseShapes::frontLight(), FrontLightWidth, redLamp());
        paintLogo(painter, redLamp());
    } else {
        paintDarkLine(painter, MouseShapes::frontLight(), FrontLightWidth);
        paintDarkLogo(painter);
    }
    paintSockets(painter);
    painter.restore();
}

void MouseArt::paintLight(QPainter &painter, Light light, const Lamp &lamp)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    switch (light) {
    case Light::Front:
        paintLitLine(painter, MouseShapes::frontLight(), FrontLightWidth, lamp);
        break;
    case Light::Logo:
        paintLogo(painter, lamp);
        break;
    case Light::Wings:
        for (const QPainterPath &strip : MouseShapes::wingLights())
            paintLitLine(painter, strip, WingLightWidth, lamp);
        break;
    }
    painter.restore();
}

void MouseArt::paintButton(QPainter &painter, int index, SkinPainter::Face face)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (index == 1) {
        paintMiddleBar(painter, face);
    } else {
        SurfacePainter::paint(painter, MouseShapes::button(index), face);
        if (index >= MouseShapes::FirstDpiKey)
            paintArrow(painter, index, face);
    }
    painter.restore();
}

void MouseArt::paintOwnPicture(QPainter &painter, int index, SkinPainter::Face face)
{
    const QRect rect = MouseShapes::buttonRect(index);
    painter.save();
    painter.translate(-rect.topLeft());
    painter.setClipRect(rect);
    paintButton(painter, index, face);
    painter.restore();
}

} // namespace orvex::artwork
