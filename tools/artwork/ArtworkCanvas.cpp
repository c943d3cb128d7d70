// SPDX-License-Identifier: GPL-3.0-or-later
#include "ArtworkCanvas.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainterPath>

namespace orvex::artwork {

namespace {
constexpr qreal PanelRadius = 22.0;
constexpr qreal EdgeWidth = 2.0;
constexpr int AccentBarWidth = 6;
constexpr int AccentBarInset = 14;    // from the left edge
constexpr int AccentBarEndInset = 28; // from the top and bottom edges
constexpr int BarGap = 6;
constexpr qreal BarRadius = 2.0;
constexpr int LowestBarPercent = 40;
constexpr int PipGapPercent = 60;
} // namespace

ArtworkCanvas::ArtworkCanvas(int width, int height, const QString &fontFamily)
    : m_image(width, height, QImage::Format_ARGB32_Premultiplied), m_fontFamily(fontFamily)
{
    m_image.fill(Qt::transparent);
    m_painter.begin(&m_image);
    m_painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
}

void ArtworkCanvas::drawPanel()
{
    const QRectF bounds =
        QRectF(m_image.rect())
            .adjusted(EdgeWidth / 2, EdgeWidth / 2, -EdgeWidth / 2, -EdgeWidth / 2);
    QLinearGradient fill(bounds.topLeft(), bounds.bottomLeft());
    fill.setColorAt(0, palette::PanelTop);
    fill.setColorAt(1, palette::PanelBottom);
    m_painter.setPen(QPen(palette::PanelEdge, EdgeWidth));
    m_painter.setBrush(fill);
    m_painter.drawRoundedRect(bounds, PanelRadius, PanelRadius);

    const QRectF bar(AccentBarInset, AccentBarEndInset, AccentBarWidth,
                     m_image.height() - 2 * AccentBarEndInset);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(palette::Accent);
    m_painter.drawRoundedRect(bar, AccentBarWidth / 2.0, AccentBarWidth / 2.0);
}

QFont ArtworkCanvas::font(int pixelSize, int spacing) const
{
    QFont font;
    if (!m_fontFamily.isEmpty())
        font.setFamily(m_fontFamily);
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setLetterSpacing(QFont::PercentageSpacing, spacing);
    return font;
}

void ArtworkCanvas::drawText(const QRect &rect, Qt::Alignment alignment, const QString &text,
                             int pixelSize, const QColor &colour, int spacing)
{
    QFont chosen = font(pixelSize, spacing);
    const int width = QFontMetrics(chosen).horizontalAdvance(text);
    if (width > rect.width())
        chosen = font(qMax(1, pixelSize * rect.width() / width), spacing);
    m_painter.setFont(chosen);
    m_painter.setPen(colour);
    m_painter.drawText(rect, int(alignment), text);
}

void ArtworkCanvas::drawStageBars(const QRect &rect, int count, int lit)
{
    const qreal barWidth = (rect.width() - BarGap * (count - 1)) / qreal(count);
    m_painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const int percent = LowestBarPercent + (100 - LowestBarPercent) * i / qMax(1, count - 1);
        const qreal height = rect.height() * percent / 100.0;
        const QRectF bar(rect.left() + i * (barWidth + BarGap), rect.bottom() + 1 - height,
                         barWidth, height);
        m_painter.setBrush(i < lit ? palette::Accent : palette::AccentDim);
        m_painter.drawRoundedRect(bar, BarRadius, BarRadius);
    }
}

void ArtworkCanvas::drawPips(const QRect &rect, int count, int current)
{
    const qreal diameter = rect.height();
    const qreal gap = diameter * PipGapPercent / 100.0;
    const qreal total = count * diameter + (count - 1) * gap;
    qreal x = rect.center().x() - total / 2;
    m_painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i, x += diameter + gap) {
        m_painter.setBrush(i == current ? palette::Accent : palette::AccentDim);
        m_painter.drawEllipse(QRectF(x, rect.top(), diameter, diameter));
    }
}

QImage ArtworkCanvas::image()
{
    if (m_painter.isActive())
        m_painter.end();
    return m_image;
}

} // namespace orvex::artwork
