// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

class QPainter;

namespace orvex::artwork {

// The parts the page skins share with the main window's.
class PageFrameArt
{
public:
    // The dark band from (`left`, `top`) to the window's bottom right
    // corner, its left edge slanted and a red line along its top.
    static void paintSlantedFooter(QPainter &painter, const QSize &windowSize, int left, int top);
};

} // namespace orvex::artwork
