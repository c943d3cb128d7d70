// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonPageArt.h"

#include "ControlFaceArt.h"
#include "IconArt.h"
#include "PageFrameArt.h"
#include "ScaledPicture.h"
#include "SkinPalette.h"

#include <QFileInfo>
#include <QPainter>

namespace orvex::artwork {

namespace {

using Face = SkinPainter::Face;
using Kind = ButtonPageLayout::Kind;

constexpr quint32 MetalSeed = 23;
constexpr int ModeCaptionPixelSize = 12;
constexpr int ButtonCaptionPixelSize = 13;
constexpr qreal MarkRadius = 7.0;
constexpr qreal MarkInset = 14.0;

QString skinName(const ButtonPageLayout::Page &page, Face face)
{
    return QStringLiteral("%1_%2.%3")
        .arg(page.skinName.section(u'_', 0, 0), SkinPainter::faceName(face),
             QFileInfo(page.skinName).suffix());
}

// A sunken box a number is typed into; the same in every state.
void paintNumberBox(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(96, 98, 104), 1.0));
    painter.setBrush(QColor(10, 10, 12));
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter.setPen(QPen(QColor(0, 0, 0, 160), 1.0));
    painter.drawLine(QPointF(rect.left() + 3, rect.top() + 1.5),
                     QPointF(rect.right() - 2, rect.top() + 1.5));
    painter.restore();
}

// One repeat mode: a round mark and the caption. Selected (the pressed
// state, which a step selector shows for its item) the mark is lit red on
// a red-tinted row; under the pointer the ring glows.
void paintModeItem(QPainter &painter, const QRect &rect, Face face, const QString &caption)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF row = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    if (face == Face::Over || face == Face::Down) {
        QColor tint = face == Face::Down ? SkinPalette::accent() : QColor(255, 255, 255);
        tint.setAlpha(face == Face::Down ? 90 : 16);
        QColor edge = SkinPalette::accentBright();
        edge.setAlpha(face == Face::Down ? 200 : 110);
        painter.setPen(QPen(edge, 1.0));
        painter.setBrush(tint);
        painter.drawRoundedRect(row, 4, 4);
    }
    const QPointF centre(rect.left() + MarkInset, rect.center().y() + 0.5);
    const bool dim = face == Face::Disable;
    painter.setPen(QPen(face == Face::Over ? SkinPalette::accentBright()
                        : dim              ? QColor(60, 61, 66)
                                           : SkinPalette::panelEdge(),
                        1.4));
    painter.setBrush(dim ? QColor(36, 37, 40) : QColor(18, 18, 21));
    painter.drawEllipse(centre, MarkRadius, MarkRadius);
    if (face == Face::Down) {
        QColor halo = SkinPalette::accentBright();
        halo.setAlpha(80);
        painter.setPen(Qt::NoPen);
        painter.setBrush(halo);
        painter.drawEllipse(centre, MarkRadius - 1.5, MarkRadius - 1.5);
        painter.setBrush(SkinPalette::accentBright());
        painter.drawEllipse(centre, 3.6, 3.6);
    }
    painter.setFont(SkinPalette::font(ModeCaptionPixelSize, face == Face::Down));
    painter.setPen(dim ? SkinPalette::textDim() : SkinPalette::text());
    painter.drawText(QRectF(rect).adjusted(MarkInset + MarkRadius + 9, 0, -6, 0),
                     Qt::AlignLeft | Qt::AlignVCenter, caption);
    painter.restore();
}

void paintControl(QPainter &painter, const ButtonPageLayout::Control &control, Face face)
{
    painter.save();
    painter.setClipRect(control.rect, Qt::IntersectClip);
    switch (control.kind) {
    case Kind::PushButton:
        SkinPainter::paintButtonFace(painter, control.rect, face, control.caption,
                                     ButtonCaptionPixelSize);
        break;
    case Kind::ModeItem:
        paintModeItem(painter, control.rect, face, control.caption);
        break;
    case Kind::PickField:
        ControlFaceArt::paintPickField(painter, control.rect, face);
        break;
    case Kind::NumberField:
        paintNumberBox(painter, control.rect);
        break;
    }
    painter.restore();
}

} // namespace

void ButtonPageArt::paint(QPainter &painter, const ButtonPageLayout::Page &page, Face face)
{
    const QRect window(QPoint(0, 0), page.size);
    SkinPainter::paintWindowBackground(painter, window, MetalSeed);
    SkinPainter::paintTitleStrip(painter, QRect(0, 0, page.size.width(), page.titleHeight),
                                 page.title);
    for (const ButtonPageLayout::Panel &panel : page.panels) {
        SkinPainter::paintCarbonPanel(painter, panel.rect);
        PageFrameArt::paintLabel(painter, panel.labelRect, panel.label);
    }
    if (!page.icon.isNull()) {
        painter.save();
        painter.translate(page.iconRect.topLeft());
        IconArt::paintFunctionIcon(painter, page.icon);
        painter.restore();
    }
    for (const ButtonPageLayout::Control &control : page.controls)
        paintControl(painter, control, face);
    painter.setPen(QColor(0, 0, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(window.adjusted(0, 0, -1, -1));
}

bool ButtonPageArt::writeAll(ArtworkFolder &folder, QString *failed)
{
    const Face faces[] = {Face::Normal, Face::Over, Face::Down, Face::Disable, Face::Active};
    for (const ButtonPageLayout::Page *page : ButtonPageLayout::all()) {
        for (const Face face : faces) {
            const auto painting = [page, face](QPainter &painter) { paint(painter, *page, face); };
            if (!ScaledPicture::writeAll(folder, skinName(*page, face), page->size, painting,
                                         failed))
                return false;
        }
    }
    return true;
}

} // namespace orvex::artwork
