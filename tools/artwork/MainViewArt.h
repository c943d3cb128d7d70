// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainViewLayout.h"
#include "SkinPainter.h"

#include <QString>

class QPainter;

namespace orvex::artwork {

class ArtworkFolder;

// Every picture of the main window, at 1x and 2x: its skin in the five
// states, and the four state pictures of each control that has pictures of
// its own (the profile tabs, the page buttons and the mouse's buttons),
// each the size of the control's rectangle.
class MainViewArt
{
public:
    // The own picture of `control` in `face`, origin at its top-left corner.
    static void paintOwnPicture(QPainter &painter, const MainViewLayout::Control &control,
                                SkinPainter::Face face);
    static bool writeAll(ArtworkFolder &folder, QString *failed);
};

} // namespace orvex::artwork
