// SPDX-License-Identifier: GPL-3.0-or-later
#include "TabArt.h"

#include "MainViewLayout.h"
#include "SkinPalette.h"
#include "SurfacePainter.h"

#include <QLinearGradient>
#include <QPainter>

namespace orvex::artwork {

namespace {

constexpr qreal FaceTop = 3.0;
constexpr qreal FaceSlant = 9.0;
constexpr qreal FaceRadius = 6.0;
// The band's ends slope down to the picture's edges.
constexpr qreal BandTaper = 12.0;
constexpr int CaptionPixelSize = 11;

const MainViewLayout::Control *tabControl(int slot)
{
    return MainViewLayout::byTag(MainViewLayout::FirstTabTag + slot);
}

QSizeF tabSize(int slot)
{
    const MainViewLayout::Control *control = tabControl(slot);
    return control ? QSizeF(control->rect.size()) : QSizeF();
}

QPainterPath facePath(int slot)
{
    const QRectF face = MainViewLayout::tabFace(slot);
    const qreal bottom = tabSize(slot).height() - TabArt::BandHeight + 1;
    const qreal left = face.left() + 1;
    const qreal right = face.right();
    QPainterPath path;
    path.moveTo(left, bottom);
    path.lineTo(left + FaceSlant - 2, FaceTop + FaceRadius);
    path.quadTo(left + FaceSlant, FaceTop, left + FaceSlant + FaceRadius, FaceTop);
    path.lineTo(right - FaceSlant - FaceRadius, FaceTop);
    path.quadTo(right - FaceSlant, FaceTop, right - FaceSlant + 2, FaceTop + FaceRadius);
    path.lineTo(right, bottom);
    path.closeSubpath();
    return path;
}

QPainterPath bandPath(int slot)
{
    const QSizeF size = tabSize(slot);
    const qreal top = size.height() - TabArt::BandHeight;
    const qreal bottom = size.height() - 0.5;
    QPainterPath path;
    path.moveTo(0.5, bottom);
    path.lineTo(BandTaper, top);
    path.lineTo(size.width() - BandTaper, top);
    path.lineTo(size.width() - 0.5, bottom);
    path.closeSubpath();
    return path;
}

void paintBand(QPainter &painter, int slot, SkinPainter::Face face)
{
    const QPainterPath band = bandPath(slot);
    const QRectF box = band.boundingRect();
    QLinearGradient fill(box.topLeft(), box.bottomLeft());
    const bool selected = face == SkinPainter::Face::Down;
    fill.setColorAt(0.0, selected ? SkinPalette::accentBright() : QColor(40, 41, 46));
    fill.setColorAt(1.0, selected ? SkinPalette::accent() : QColor(16, 16, 19));
    // No outline: the bands of neighbouring tabs merge into one rail.
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(band);
}

void paintCaption(QPainter &painter, int slot, SkinPainter::Face face)
{
    const MainViewLayout::Control *control = tabControl(slot);
    if (!control)
        return;
    const QRectF area =
        QRectF(MainViewLayout::tabFace(slot))
            .adjusted(FaceSlant / 2, FaceTop, -FaceSlant / 2, -TabArt::BandHeight + 1);
    QFont font = SkinPalette::font(CaptionPixelSize, true);
    painter.setFont(font);
    const qreal width = painter.fontMetrics().horizontalAdvance(control->caption);
    if (width > area.width()) {
        font.setPixelSize(int(CaptionPixelSize * area.width() / width));
        painter.setFont(font);
    }
    painter.setPen(face == SkinPainter::Face::Down ? SkinPalette::text()
                                                   : SurfacePainter::ink(face));
    painter.drawText(area, Qt::AlignCenter, control->caption);
}

} // namespace

QPainterPath TabArt::shape(int slot)
{
    return facePath(slot).united(bandPath(slot));
}

void TabArt::paint(QPainter &painter, int slot, SkinPainter::Face face)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    paintBand(painter, slot, face);
    // A tab at rest sits back: a darker face than a button's.
    if (face == SkinPainter::Face::Normal || face == SkinPainter::Face::Active) {
        const QPainterPath path = facePath(slot);
        QLinearGradient fill(QPointF(0, FaceTop), QPointF(0, tabSize(slot).height()));
        fill.setColorAt(0.0, QColor(62, 64, 70));
        fill.setColorAt(1.0, QColor(30, 31, 35));
        painter.setPen(QPen(QColor(4, 4, 6), 1.2));
        painter.setBrush(fill);
        painter.drawPath(path);
    } else if (face == SkinPainter::Face::Down) {
        SurfacePainter::paint(painter, facePath(slot), SkinPainter::Face::Normal);
        SurfacePainter::paintInnerGlow(painter, facePath(slot), QColor(229, 30, 43, 90), 5);
        painter.setPen(QPen(SkinPalette::accentBright(), 2.0));
        const QRectF face = MainViewLayout::tabFace(slot);
        painter.drawLine(QPointF(face.left() + FaceSlant + FaceRadius, FaceTop + 0.5),
                         QPointF(face.right() - FaceSlant - FaceRadius, FaceTop + 0.5));
    } else {
        SurfacePainter::paint(painter, facePath(slot), face);
    }
    paintCaption(painter, slot, face);
    painter.restore();
}

} // namespace orvex::artwork
