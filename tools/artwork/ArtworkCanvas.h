// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>

namespace orvex::artwork {

// The suite's look: near-black panels, red accents, white figures.
namespace palette {
inline const QColor PanelTop{0x1C, 0x1C, 0x22, 0xF0};
inline const QColor PanelBottom{0x0C, 0x0C, 0x10, 0xF0};
inline const QColor PanelEdge{0x3A, 0x3A, 0x44};
inline const QColor Accent{0xE5, 0x1E, 0x2B};
inline const QColor AccentDim{0x4A, 0x16, 0x1A};
inline const QColor Figure{0xFF, 0xFF, 0xFF};
inline const QColor Secondary{0x9A, 0x9A, 0xA6};
} // namespace palette

// One picture being drawn: a transparent image of the given size with a
// painter on it, and the suite's drawing vocabulary.
class ArtworkCanvas
{
public:
    ArtworkCanvas(int width, int height, const QString &fontFamily);

    // The rounded dark panel filling the picture, with the red accent bar at
    // its left edge.
    void drawPanel();
    // `text` in `rect`, aligned as given, at `pixelSize` (shrunk to fit the
    // width); `spacing` adds letter spacing in percent for labels.
    void drawText(const QRect &rect, Qt::Alignment alignment, const QString &text, int pixelSize,
                  const QColor &colour, int spacing = 100);
    // `count` bars of rising height in `rect`, the first `lit` in the accent
    // colour: the stage meter of the DPI pictures.
    void drawStageBars(const QRect &rect, int count, int lit);
    // `count` round pips in a row centred in `rect`, number `current` lit.
    void drawPips(const QRect &rect, int count, int current);

    QImage image();

private:
    QFont font(int pixelSize, int spacing) const;

    QImage m_image;
    QPainter m_painter;
    QString m_fontFamily;
};

} // namespace orvex::artwork
