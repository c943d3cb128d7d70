// SPDX-License-Identifier: GPL-3.0-or-later
#include "SurfacePainter.h"

#include "SkinPalette.h"

#include <QLinearGradient>
#include <QPainter>

namespace orvex::artwork {

namespace {

constexpr qreal RimWidth = 1.4;
constexpr qreal LitRimWidth = 1.6;
constexpr qreal GlowWidth = 7.0;
constexpr qreal ShadeWidth = 6.0;
// The share of a surface's height that catches the light from above.
constexpr qreal LightShare = 0.35;

struct Look
{
    QColor top;
    QColor bottom;
    QColor rim;
    qreal rimWidth = RimWidth;
    bool lit = false;
    bool sunken = false;
};

Look lookOf(SkinPainter::Face face)
{
    switch (face) {
    case SkinPainter::Face::Over:
        return {QColor(104, 62, 66),
                QColor(52, 26, 30),
                SkinPalette::accentBright(),
                LitRimWidth,
                true,
                false};
    case SkinPainter::Face::Down:
        return {SkinPalette::accent().darker(140),
                SkinPalette::accentBright().darker(110),
                QColor(40, 0, 0),
                RimWidth,
                true,
                true};
    case SkinPainter::Face::Disable:
        return {QColor(46, 47, 50), QColor(34, 35, 38), QColor(26, 26, 29)};
    case SkinPainter::Face::Normal:
    case SkinPainter::Face::Active:
        break;
    }
    return {QColor(88, 90, 97), QColor(38, 39, 44), QColor(6, 6, 8)};
}

} // namespace

void SurfacePainter::paint(QPainter &painter, const QPainterPath &shape, SkinPainter::Face face)
{
    const Look look = lookOf(face);
    const QRectF bounds = shape.boundingRect();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0.0, look.top);
    fill.setColorAt(1.0, look.bottom);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(shape);

    if (look.sunken) {
        painter.save();
        painter.setClipPath(shape, Qt::IntersectClip);
        painter.translate(0, 2);
        painter.setPen(QPen(QColor(0, 0, 0, 110), ShadeWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shape);
        painter.restore();
    } else if (face != SkinPainter::Face::Disable) {
        painter.save();
        painter.setClipRect(
            QRectF(bounds.left(), bounds.top(), bounds.width(), bounds.height() * LightShare),
            Qt::IntersectClip);
        painter.setClipPath(shape, Qt::IntersectClip);
        painter.translate(0, 1);
        painter.setPen(QPen(QColor(255, 255, 255, look.lit ? 70 : 48), 1.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shape);
        painter.restore();
    }
    if (look.lit)
        paintInnerGlow(painter, shape, QColor(229, 30, 43, look.sunken ? 70 : 120), GlowWidth);

    painter.setPen(QPen(look.rim, look.rimWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);
    painter.restore();
}

QColor SurfacePainter::ink(SkinPainter::Face face)
{
    switch (face) {
    case SkinPainter::Face::Disable:
        return SkinPalette::textDim().darker(130);
    case SkinPainter::Face::Normal:
    case SkinPainter::Face::Active:
        return SkinPalette::textDim().lighter(125);
    case SkinPainter::Face::Over:
    case SkinPainter::Face::Down:
        break;
    }
    return SkinPalette::text();
}

void SurfacePainter::paintInnerGlow(QPainter &painter, const QPainterPath &shape,
                                    const QColor &colour, qreal width)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(shape, Qt::IntersectClip);
    painter.setBrush(Qt::NoBrush);
    // Wide faint strokes under narrow strong ones fade the red inwards.
    for (int pass = 0; pass < 3; ++pass) {
        QColor shade = colour;
        shade.setAlphaF(colour.alphaF() * (0.35f + 0.3f * float(pass)));
        painter.setPen(
            QPen(shade, width * (3 - pass) / 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(shape);
    }
    painter.restore();
}

} // namespace orvex::artwork
