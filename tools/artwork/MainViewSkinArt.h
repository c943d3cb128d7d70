// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SkinPainter.h"

class QPainter;

namespace orvex::artwork {

// The main window's skin "MainView_<Face>.png": brushed metal with the top
// strip the window is dragged by (title, the four small buttons, the tabs'
// rail), the strip under the tabs (LED modes, profile name), the mouse on
// its stage, the column of function buttons, the info area and the footer
// with Apply, Cancel and OK. The controls with pictures of their own (tabs,
// page buttons, the mouse's buttons other than the DPI keys) are drawn at
// rest in every state; the controls that take slices are drawn in `face`,
// each inside its rectangle, so the pictures of the states differ there
// only.
class MainViewSkinArt
{
public:
    static void paint(QPainter &painter, SkinPainter::Face face);
};

} // namespace orvex::artwork
