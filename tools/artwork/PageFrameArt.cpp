// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageFrameArt.h"

#include "SkinPalette.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace orvex::artwork {

namespace {

constexpr int AccentLine = 2;
constexpr int LabelPixelSize = 10;
// The footer's left edge leans in by this much from its foot to its top.
constexpr int FooterSlant = 14;

void paintSpaced(QPainter &painter, const PageFrameArt::TextLine &line, int spacing,
                 const QColor &colour)
{
    QFont font = SkinPalette::font(line.pixelSize, true);
    font.setLetterSpacing(QFont::PercentageSpacing, spacing);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(line.rect, Qt::AlignLeft | Qt::AlignVCenter, line.text);
}

} // namespace

void PageFrameArt::paintHeaderStrip(QPainter &painter, int width, int dragHeight)
{
    const QRect strip(1, 1, width - 2, dragHeight - 1);
    QLinearGradient shade(strip.topLeft(), strip.bottomLeft());
    shade.setColorAt(0.0, QColor(0, 0, 0, 40));
    shade.setColorAt(1.0, QColor(0, 0, 0, 120));
    painter.fillRect(strip, shade);
    painter.fillRect(QRect(strip.left(), dragHeight - AccentLine, strip.width(), AccentLine),
                     SkinPalette::accent());
}

void PageFrameArt::paintHeading(QPainter &painter, const Heading &heading)
{
    painter.fillRect(heading.mark, SkinPalette::accentBright());
    paintSpaced(painter, heading.title, 116, SkinPalette::text());
    paintSpaced(painter, heading.subtitle, 124, SkinPalette::textDim());
}

void PageFrameArt::paintSlantedFooter(QPainter &painter, const QSize &windowSize, int left, int top)
{
    const int right = windowSize.width() - 1;
    const int bottom = windowSize.height() - 1;
    QPainterPath band;
    band.moveTo(left, bottom);
    band.lineTo(left + FooterSlant, top);
    band.lineTo(right, top);
    band.lineTo(right, bottom);
    band.closeSubpath();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(8, 8, 10, 210));
    painter.drawPath(band);
    painter.setPen(QPen(SkinPalette::accent(), AccentLine));
    painter.drawLine(QPointF(left + FooterSlant, top), QPointF(right, top));
    painter.restore();
}

void PageFrameArt::paintLabel(QPainter &painter, const QRect &rect, const QString &text,
                              Qt::Alignment alignment)
{
    if (text.isEmpty())
        return;
    painter.save();
    QFont font = SkinPalette::font(LabelPixelSize, true);
    font.setLetterSpacing(QFont::PercentageSpacing, 112);
    painter.setFont(font);
    painter.setPen(SkinPalette::textDim().lighter(120));
    const QString shown = text.toUpper();
    painter.drawText(rect, int(alignment | Qt::AlignVCenter), shown);
    const int left = alignment & Qt::AlignRight
                         ? rect.right() - painter.fontMetrics().horizontalAdvance(shown) + 1
                         : rect.left();
    painter.fillRect(QRect(left, rect.center().y() + 8, 20, AccentLine), SkinPalette::accent());
    painter.restore();
}

} // namespace orvex::artwork
