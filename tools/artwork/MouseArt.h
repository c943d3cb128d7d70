// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SkinPainter.h"

class QPainter;

namespace orvex::artwork {

// The picture of the mouse in the main window: its body in the window's
// skin, and each of its eleven buttons in every state, both in the skin
// (at rest) and as the hot-spots' own pictures (lit under the pointer and
// when pressed). See MouseShapes for the outlines.
class MouseArt
{
public:
    // The cord up to `cableTop`, the shadow, the wings, the shell with its
    // vents, lights and logo, and the sockets and pad the buttons sit in; no
    // button.
    static void paintBody(QPainter &painter, qreal cableTop);
    // Button `index` (button index 0..10) in `face`, in window coordinates.
    static void paintButton(QPainter &painter, int index, SkinPainter::Face face);
    // The own picture of button `index` in `face`: the button alone, on a
    // transparent picture of its hot-spot's rectangle (the painter's origin
    // at the rectangle's top-left corner).
    static void paintOwnPicture(QPainter &painter, int index, SkinPainter::Face face);
};

} // namespace orvex::artwork
