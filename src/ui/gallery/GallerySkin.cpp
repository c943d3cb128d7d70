// SPDX-License-Identifier: GPL-3.0-or-later
#include "GallerySkin.h"

#include "GalleryLayout.h"
#include "SkinPalette.h"

#include <QPainter>
#include <QPainterPath>

namespace orvex::gallery {

namespace {

constexpr int PanelTitlePixelSize = 11;
constexpr int PanelTitleInset = 10;

void paintPanel(QPainter &painter, const GalleryLayout::Panel &panel)
{
    SkinPainter::paintCarbonPanel(painter, panel.rect);
    const QRect title(panel.rect.left() + PanelTitleInset, panel.rect.top() + 6,
                      panel.rect.width() - 2 * PanelTitleInset, 18);
    painter.setFont(SkinPalette::font(PanelTitlePixelSize, true));
    painter.setPen(SkinPalette::textDim());
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, panel.title.toUpper());
    painter.fillRect(QRect(title.left(), title.bottom() + 2, 24, 2), SkinPalette::accent());
}

void paintPickField(QPainter &painter, const QRect &rect, SkinPainter::Face face)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const bool over = face == SkinPainter::Face::Over || face == SkinPainter::Face::Down;
    painter.setPen(over ? SkinPalette::accentBright() : SkinPalette::panelEdge());
    painter.setBrush(QColor(12, 12, 14));
    painter.drawRoundedRect(QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    QPainterPath arrow;
    const QPointF tip(rect.right() - 9, rect.center().y() + 3);
    arrow.moveTo(tip + QPointF(-5, -6));
    arrow.lineTo(tip + QPointF(5, -6));
    arrow.lineTo(tip);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(SkinPalette::accentBright());
    painter.drawPath(arrow);
    painter.restore();
}

} // namespace

QImage GallerySkin::render(SkinPainter::Face face)
{
    QImage skin = SkinPainter::blankImage(QSize(GalleryLayout::Width, GalleryLayout::Height));
    QPainter painter(&skin);
    SkinPainter::paintWindowBackground(painter, skin.rect(), 7);
    SkinPainter::paintTitleStrip(painter,
                                 QRect(0, 0, GalleryLayout::Width, GalleryLayout::TitleHeight),
                                 QStringLiteral("Orvex widget gallery"));
    for (const GalleryLayout::Panel &panel : GalleryLayout::panels())
        paintPanel(painter, panel);
    QList<GalleryLayout::Face> buttons = GalleryLayout::pushButtons();
    buttons << GalleryLayout::profileTabs() << GalleryLayout::modeButtons()
            << GalleryLayout::overlayButton();
    for (const GalleryLayout::Face &button : std::as_const(buttons))
        SkinPainter::paintButtonFace(painter, button.rect, face, button.caption, 12);
    for (const GalleryLayout::Face &box : GalleryLayout::checkBoxes())
        SkinPainter::paintCheckBox(painter, box.rect, face, face == SkinPainter::Face::Down,
                                   box.caption);
    paintPickField(painter, GalleryLayout::pickButton(), face);
    const bool filled = face == SkinPainter::Face::Active;
    SkinPainter::paintSliderTrack(painter, GalleryLayout::dpiSlider(), filled);
    SkinPainter::paintSliderTrack(painter, GalleryLayout::speedSlider(), filled);
    return skin;
}

} // namespace orvex::gallery
