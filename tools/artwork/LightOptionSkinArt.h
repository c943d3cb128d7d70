// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LightOptionLayout.h"
#include "SkinPainter.h"

class QPainter;

namespace orvex::artwork {

// The lighting page's skin "LightOptionView_<Face>.png", in the main
// window's look: brushed metal with the top strip the page is dragged by,
// the mouse with its three LED zones dark and numbered, the column of
// controls (zones, on and off, the seven colours, a hint) and the footer
// with Apply, Cancel and OK. Every control is drawn in `face` inside its own
// rectangle only, so the pictures of the states differ there only.
class LightOptionSkinArt
{
public:
    static void paint(QPainter &painter, SkinPainter::Face face);
    // One control in `face`, inside its rectangle (page coordinates).
    static void paintControl(QPainter &painter, const LightOptionLayout::Control &control,
                             SkinPainter::Face face);
};

} // namespace orvex::artwork
