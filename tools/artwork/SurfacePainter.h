// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SkinPainter.h"

#include <QColor>
#include <QPainterPath>

class QPainter;

namespace orvex::artwork {

// The main window's pressable surfaces of any shape (the mouse's buttons,
// the profile tabs, the page buttons) in the states of the skins' button
// faces: graphite at rest, lit red under the pointer, red and sunken when
// pressed, dull when disabled.
class SurfacePainter
{
public:
    // Fills `shape` in `face`, with its rim and the light on its upper edge.
    static void paint(QPainter &painter, const QPainterPath &shape, SkinPainter::Face face);
    // The colour of words and signs on a surface in `face`.
    static QColor ink(SkinPainter::Face face);
    // A red glow `width` wide along the inside of `shape`'s outline.
    static void paintInnerGlow(QPainter &painter, const QPainterPath &shape, const QColor &colour,
                               qreal width);
};

} // namespace orvex::artwork
