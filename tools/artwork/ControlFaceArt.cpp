// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlFaceArt.h"

#include "IconArt.h"
#include "MouseArt.h"
#include "MouseShapes.h"
#include "SkinPalette.h"
#include "SurfacePainter.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace orvex::artwork {

namespace {

using Face = SkinPainter::Face;

constexpr int CaptionPixelSize = 13;
constexpr int FieldArrowRoom = 18;
constexpr qreal IconInset = 4.5;

QPen line(const QColor &colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

bool pressed(Face face)
{
    return face == Face::Down;
}

QColor signInk(Face face)
{
    return face == Face::Disable ? SkinPalette::textDim() : SkinPalette::text();
}

void paintResetSign(QPainter &painter, const QPointF &c, const QColor &ink)
{
    const QRectF ring(c.x() - 7, c.y() - 7, 14, 14);
    painter.setPen(line(ink, 1.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(ring, 100 * 16, 290 * 16);
    QPainterPath head;
    head.moveTo(c + QPointF(-1.5, -11));
    head.lineTo(c + QPointF(4, -7));
    head.lineTo(c + QPointF(-1.5, -3));
    head.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawPath(head);
}

void paintWebSign(QPainter &painter, const QPointF &c, const QColor &ink)
{
    painter.setPen(line(ink, 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, 8, 8);
    painter.drawEllipse(c, 3.5, 8);
    painter.drawLine(c + QPointF(-8, 0), c + QPointF(8, 0));
    painter.drawLine(c + QPointF(-6.8, -4), c + QPointF(6.8, -4));
    painter.drawLine(c + QPointF(-6.8, 4), c + QPointF(6.8, 4));
}

void paintHelpSign(QPainter &painter, const QPointF &c, const QColor &ink)
{
    painter.setPen(line(ink, 1.4));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, 8, 8);
    painter.setFont(SkinPalette::font(12, true));
    painter.drawText(QRectF(c.x() - 8, c.y() - 8, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
}

void paintCloseSign(QPainter &painter, const QPointF &c, const QColor &ink)
{
    painter.setPen(line(ink, 2.0));
    painter.drawLine(c + QPointF(-5.5, -5.5), c + QPointF(5.5, 5.5));
    painter.drawLine(c + QPointF(5.5, -5.5), c + QPointF(-5.5, 5.5));
}

void paintIconButton(QPainter &painter, const MainViewLayout::Control &control, Face face)
{
    SkinPainter::paintButtonFace(painter, control.rect, face, QString());
    const qreal shift = pressed(face) ? 1 : 0;
    const QPointF centre = QRectF(control.rect).center() + QPointF(shift, shift);
    const QColor ink = signInk(face);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    if (control.field == QLatin1String("reDefBtn"))
        paintResetSign(painter, centre, ink);
    else if (control.field == QLatin1String("homeBtn"))
        paintWebSign(painter, centre, ink);
    else if (control.field == QLatin1String("helpBtn"))
        paintHelpSign(painter, centre, ink);
    else
        paintCloseSign(painter, centre, ink);
    painter.restore();
}

// An LED beside the caption: white for the normal mode, red for battle.
void paintModeButton(QPainter &painter, const MainViewLayout::Control &control, Face face)
{
    SkinPainter::paintButtonFace(painter, control.rect, face, QString());
    const bool battle = control.field == QLatin1String("battleModeBtn");
    const QRectF rect = control.rect;
    const QPointF led(rect.left() + 13, rect.center().y());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor lamp = face == Face::Disable ? QColor(70, 70, 74)
                        : battle
                            ? (pressed(face) ? QColor(255, 210, 210) : SkinPalette::accentBright())
                            : QColor(235, 238, 245);
    QColor halo = lamp;
    halo.setAlpha(70);
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(led, 6, 6);
    painter.setBrush(lamp);
    painter.drawEllipse(led, 3.2, 3.2);
    painter.setFont(SkinPalette::font(12, true));
    painter.setPen(signInk(face));
    painter.drawText(rect.adjusted(22, 0, -4, 0), Qt::AlignCenter, control.caption);
    painter.restore();
}

// The name of the tab's stored profile goes on this field at run time;
// the skin gives it a sunken box and the arrow of its pick list.
void paintProfileField(QPainter &painter, const QRect &rect, Face face)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    const bool lit = face == Face::Over || face == Face::Down;
    painter.setPen(QPen(lit ? SkinPalette::accentBright()
                            : (face == Face::Disable ? QColor(44, 45, 48) : QColor(96, 98, 104)),
                        1.0));
    painter.setBrush(face == Face::Down ? QColor(40, 6, 9) : QColor(10, 10, 12));
    painter.drawRoundedRect(box, 3, 3);
    const QRectF room(rect.right() - FieldArrowRoom + 1, rect.top(), FieldArrowRoom, rect.height());
    painter.setPen(QPen(QColor(255, 255, 255, 30), 1.0));
    painter.drawLine(QPointF(room.left(), room.top() + 3), QPointF(room.left(), room.bottom() - 3));
    QPainterPath arrow;
    const QPointF tip(room.center().x(), room.center().y() + 3);
    arrow.moveTo(tip + QPointF(-4.5, -5.5));
    arrow.lineTo(tip + QPointF(4.5, -5.5));
    arrow.lineTo(tip);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(face == Face::Disable ? SkinPalette::textDim() : SkinPalette::accentBright());
    painter.drawPath(arrow);
    painter.restore();
}

QChar functionKind(const QString &field)
{
    if (field == QLatin1String("tkeyBtn"))
        return u'T';
    if (field == QLatin1String("singleBtn"))
        return u'S';
    if (field == QLatin1String("launchProBtn"))
        return u'L';
    return u'D';
}

// The function type's icon (the one the info area shows), then the words.
void paintFunctionButton(QPainter &painter, const MainViewLayout::Control &control, Face face)
{
    const QRect rect = control.rect;
    SkinPainter::paintButtonFace(painter, rect, face, QString());
    const qreal shift = pressed(face) ? 1 : 0;
    painter.save();
    painter.translate(rect.left() + IconInset + shift,
                      rect.top() + (rect.height() - IconArt::FunctionIconSize.height()) / 2.0 +
                          shift);
    if (face == Face::Disable)
        painter.setOpacity(0.45);
    IconArt::paintFunctionIcon(painter, functionKind(control.field));
    painter.restore();
    painter.save();
    painter.setFont(SkinPalette::font(CaptionPixelSize, true));
    painter.setPen(signInk(face));
    const QRectF text =
        QRectF(rect).adjusted(IconInset + IconArt::FunctionIconSize.width() + 12, shift, -8, shift);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, control.caption);
    painter.restore();
}

// A play sign in a ring, then the film's title.
void paintFilmButton(QPainter &painter, const MainViewLayout::Control &control, Face face)
{
    const QRect rect = control.rect;
    SkinPainter::paintButtonFace(painter, rect, face, QString());
    const qreal shift = pressed(face) ? 1 : 0;
    const qreal radius = rect.height() * 0.3;
    const QPointF centre(rect.left() + IconInset + 15.5 + shift, rect.center().y() + 0.5 + shift);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(line(face == Face::Disable ? SkinPalette::textDim() : SkinPalette::accent(), 2));
    painter.setBrush(QColor(22, 22, 26));
    painter.drawEllipse(centre, radius, radius);
    QPainterPath play;
    play.moveTo(centre + QPointF(-radius * 0.35, -radius * 0.5));
    play.lineTo(centre + QPointF(radius * 0.55, 0));
    play.lineTo(centre + QPointF(-radius * 0.35, radius * 0.5));
    play.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(face == Face::Disable ? SkinPalette::textDim() : SkinPalette::accentBright());
    painter.drawPath(play);
    painter.setFont(SkinPalette::font(CaptionPixelSize, true));
    painter.setPen(signInk(face));
    painter.drawText(QRectF(rect).adjusted(IconInset + 43, shift, -8, shift),
                     Qt::AlignLeft | Qt::AlignVCenter, control.caption);
    painter.setFont(SkinPalette::font(9, true));
    painter.setPen(face == Face::Disable ? SkinPalette::textDim() : QColor(150, 152, 160));
    painter.drawText(QRectF(rect).adjusted(0, shift, -10, shift), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("FILM"));
    painter.restore();
}

int dpiKeyIndex(int tag)
{
    return MainViewLayout::hotSpotTags().indexOf(tag);
}

} // namespace

void ControlFaceArt::paintPickField(QPainter &painter, const QRect &rect, Face face)
{
    paintProfileField(painter, rect, face);
}

void ControlFaceArt::paint(QPainter &painter, const MainViewLayout::Control &control, Face face)
{
    const QString &field = control.field;
    painter.save();
    painter.setClipRect(control.rect, Qt::IntersectClip);
    if (field == QLatin1String("reDefBtn") || field == QLatin1String("homeBtn") ||
        field == QLatin1String("helpBtn") || field == QLatin1String("closeBtn")) {
        paintIconButton(painter, control, face);
    } else if (field.endsWith(QLatin1String("ModeBtn"))) {
        paintModeButton(painter, control, face);
    } else if (field == QLatin1String("currProfileBtn")) {
        paintProfileField(painter, control.rect, face);
    } else if (field.startsWith(QLatin1String("moive"))) {
        paintFilmButton(painter, control, face);
    } else if (field == QLatin1String("tkeyBtn") || field == QLatin1String("singleBtn") ||
               field == QLatin1String("defaultBtn") || field == QLatin1String("launchProBtn")) {
        paintFunctionButton(painter, control, face);
    } else if (dpiKeyIndex(control.tag) >= MouseShapes::FirstDpiKey) {
        MouseArt::paintButton(painter, dpiKeyIndex(control.tag), face);
    } else {
        SkinPainter::paintButtonFace(painter, control.rect, face, control.caption);
    }
    painter.restore();
}

} // namespace orvex::artwork
