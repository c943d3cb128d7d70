// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

class QPainter;

namespace orvex::artwork {

// The parts the page skins share with the main window's: the shaded strip
// a window is dragged by with its title and subtitle, the footer band that
// slants in from the left, and the small labels over groups of controls.
//
// The header's parts leave the painter's pen and font as they set them;
// the footer and the labels restore the painter.
class PageFrameArt
{
public:
    struct TextLine
    {
        int pixelSize = 0;
        QRect rect;
        QString text;
    };

    // A red bar, the title after it and a dimmer subtitle below.
    struct Heading
    {
        QRect mark;
        TextLine title;
        TextLine subtitle;
    };

    // The darker shade across a window `width` wide down to `dragHeight`,
    // with the red line at its foot.
    static void paintHeaderStrip(QPainter &painter, int width, int dragHeight);
    static void paintHeading(QPainter &painter, const Heading &heading);
    // The dark band from (`left`, `top`) to the window's bottom right
    // corner, its left edge slanted and a red line along its top.
    static void paintSlantedFooter(QPainter &painter, const QSize &windowSize, int left, int top);
    // A small upper-case label with a short red line under its first
    // letters; nothing for an empty text.
    static void paintLabel(QPainter &painter, const QRect &rect, const QString &text,
                           Qt::Alignment alignment = Qt::AlignLeft);
};

} // namespace orvex::artwork
