// SPDX-License-Identifier: GPL-3.0-or-later
#include "PageFrameArt.h"

#include "SkinPalette.h"

#include <QPainter>
#include <QPainterPath>

namespace orvex::artwork {

namespace {

constexpr int AccentLine = 2;
// The footer's left edge leans in by this much from its foot to its top.
constexpr int FooterSlant = 14;

} // namespace

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

} // namespace orvex::artwork
