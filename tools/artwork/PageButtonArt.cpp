// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageButtonArt.h"

#include "MainViewLayout.h"
#include "SkinPalette.h"
#include "SurfacePainter.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace orvex::artwork {

namespace {

// The corners of a cell's short upright sides, as a share of its height
// from the top and from the bottom: so pointed, the second and third cells
// (the closest pair) just clear each other.
constexpr qreal ShoulderShare = 0.46;
// Room between neighbouring cells.
constexpr qreal Gutter = 1.5;
constexpr qreal SignCentreShare = 0.29;
constexpr int CaptionPixelSize = 10;
// The caption's room along the cell, as shares of its height.
constexpr qreal CaptionFrom = 0.41;
constexpr qreal CaptionTo = 0.87;

QPen line(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

const MainViewLayout::Control *controlOf(const QString &name)
{
    for (const MainViewLayout::Control &control : MainViewLayout::controls()) {
        if (control.ownPicture == name)
            return &control;
    }
    return nullptr;
}

// A lamp giving off light.
void paintLightSign(QPainter &painter, const QPointF &c, const QColor &ink)
{
    painter.setPen(line(ink, 1.6));
    for (int ray = 0; ray < 8; ++ray) {
        const qreal angle = ray * M_PI / 4;
        const QPointF direction(std::cos(angle), std::sin(angle));
        painter.drawLine(c + direction * 8.5, c + direction * 12.5);
    }
    painter.setPen(line(ink, 1.4));
    painter.setBrush(SkinPalette::accentBright());
    painter.drawEllipse(c, 5.5, 5.5);
}

// A key cap marked M, with a red dot: a recorded sequence.
void paintMacroSign(QPainter &painter, const QPointF &c, const QColor &ink)
{
    painter.setPen(line(ink, 1.4));
    painter.setBrush(QColor(30, 31, 35));
    painter.drawRoundedRect(QRectF(c.x() - 11, c.y() - 10, 20, 20), 3, 3);
    painter.setFont(SkinPalette::font(12, true));
    painter.drawText(QRectF(c.x() - 11, c.y() - 10, 20, 20), Qt::AlignCenter, QStringLiteral("M"));
    painter.setPen(Qt::NoPen);
    painter.setBrush(SkinPalette::accentBright());
    painter.drawEllipse(QPointF(c.x() + 9, c.y() - 9), 3.5, 3.5);
}

// A gauge with its needle in the red.
void paintPerformanceSign(QPainter &painter, const QPointF &c, const QColor &ink)
{
    const QRectF dial(c.x() - 11, c.y() - 9, 22, 22);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(line(ink, 1.8));
    painter.drawArc(dial, 0, 180 * 16);
    painter.setPen(line(SkinPalette::accentBright(), 2.4));
    painter.drawArc(dial, 0, 50 * 16);
    const QPointF hub(c.x(), c.y() + 2);
    painter.setPen(line(ink, 1.8));
    painter.drawLine(hub, hub + QPointF(7, -6));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(hub, 2.2, 2.2);
}

// Three stacked sheets: the stored profiles.
void paintProfileSign(QPainter &painter, const QPointF &c, const QColor &ink)
{
    for (int sheet = 2; sheet >= 0; --sheet) {
        const QPointF centre = c + QPointF(0, (sheet - 1) * 5.5);
        QPainterPath rhomb;
        rhomb.moveTo(centre + QPointF(0, -5.5));
        rhomb.lineTo(centre + QPointF(11, 0));
        rhomb.lineTo(centre + QPointF(0, 5.5));
        rhomb.lineTo(centre + QPointF(-11, 0));
        rhomb.closeSubpath();
        painter.setPen(line(ink, 1.3));
        painter.setBrush(sheet == 0 ? SkinPalette::accentBright() : QColor(30, 31, 35));
        painter.drawPath(rhomb);
    }
}

void paintSign(QPainter &painter, const QString &name, const QPointF &centre, const QColor &ink)
{
    if (name == QLatin1String("LightOption"))
        paintLightSign(painter, centre, ink);
    else if (name == QLatin1String("MacroKey"))
        paintMacroSign(painter, centre, ink);
    else if (name == QLatin1String("SettingOption"))
        paintPerformanceSign(painter, centre, ink);
    else
        paintProfileSign(painter, centre, ink);
}

QFont captionFont(int pixelSize)
{
    QFont font = SkinPalette::font(pixelSize, true);
    font.setLetterSpacing(QFont::PercentageSpacing, 106);
    return font;
}

// How much every caption is narrowed so the longest fits its cell: all
// four are written alike.
qreal captionSqueeze()
{
    qreal squeeze = 1.0;
    const QFontMetricsF metrics(captionFont(CaptionPixelSize));
    for (const MainViewLayout::Control &control : MainViewLayout::controls()) {
        if (!PageButtonArt::names().contains(control.ownPicture))
            continue;
        const qreal room = control.rect.height() * (CaptionTo - CaptionFrom);
        squeeze = qMin(squeeze, room / metrics.horizontalAdvance(control.caption.toUpper()));
    }
    return squeeze;
}

void paintCaption(QPainter &painter, const QString &caption, const QSizeF &size, const QColor &ink)
{
    const qreal squeeze = captionSqueeze();
    const qreal length = size.height() * (CaptionTo - CaptionFrom) / squeeze;
    painter.setFont(captionFont(CaptionPixelSize));
    painter.save();
    painter.translate(size.width() / 2, size.height() * (CaptionFrom + CaptionTo) / 2);
    painter.rotate(-90);
    painter.scale(squeeze, 1.0);
    painter.setPen(ink);
    painter.drawText(QRectF(-length / 2, -8, length, 16), Qt::AlignCenter, caption.toUpper());
    painter.restore();
}

} // namespace

QStringList PageButtonArt::names()
{
    return {QStringLiteral("LightOption"), QStringLiteral("MacroKey"),
            QStringLiteral("SettingOption"), QStringLiteral("ProfileOption")};
}

QPainterPath PageButtonArt::shape(const QSizeF &size)
{
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal g = Gutter;
    QPainterPath path;
    path.moveTo(w / 2, g);
    path.lineTo(w - g, h * ShoulderShare + g / 2);
    path.lineTo(w - g, h * (1 - ShoulderShare) - g / 2);
    path.lineTo(w / 2, h - g);
    path.lineTo(g, h * (1 - ShoulderShare) - g / 2);
    path.lineTo(g, h * ShoulderShare + g / 2);
    path.closeSubpath();
    return path;
}

void PageButtonArt::paint(QPainter &painter, const QString &name, SkinPainter::Face face)
{
    const MainViewLayout::Control *control = controlOf(name);
    if (!control)
        return;
    const QSizeF size = control->rect.size();
    const QPainterPath cell = shape(size);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    SurfacePainter::paint(painter, cell, face);
    // An inner outline repeats the cell's edge, as on a machined plate.
    const qreal inset = 5;
    const QPainterPath inner = shape(size - QSizeF(2 * inset, 2 * inset)).translated(inset, inset);
    painter.setPen(QPen(QColor(255, 255, 255, face == SkinPainter::Face::Disable ? 10 : 22), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(inner);
    const QColor ink = SurfacePainter::ink(face);
    const QPointF signCentre(size.width() / 2, size.height() * SignCentreShare);
    const qreal shift = face == SkinPainter::Face::Down ? 1 : 0;
    paintSign(painter, name, signCentre + QPointF(shift, shift), ink);
    painter.translate(shift, shift);
    paintCaption(painter, control->caption, size, ink);
    painter.restore();
}

} // namespace orvex::artwork
