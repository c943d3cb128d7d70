// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SkinPainter.h"

#include <QString>

class QPainter;

namespace orvex::artwork {

class ArtworkFolder;

// The performance page's pictures, at 1x and 2x, drawn from its control
// table (SettingViewLayout) in the main window's look: brushed metal, a
// title strip the window is dragged by, carbon panels with red-underlined
// titles, and a footer band with the page's buttons.
//
// "SettingView_<Face>.png" is the page in the five states: the controls
// that take slices (buttons, check boxes, rate items) are drawn in the face,
// the slider tracks are lit in Active only. "SettingDPIView_<Face>.png"
// (Normal and Active; the view has no buttons) is the same page with the
// separate X and Y rows in place of the joint one, cut at the view's
// rectangle, so the view lies on the page without a seam.
class SettingViewArt
{
public:
    enum class ResolutionRows
    {
        Joint,
        Separate,
    };

    // The whole page in page coordinates.
    static void paint(QPainter &painter, SkinPainter::Face face, ResolutionRows rows);
    static bool writeAll(ArtworkFolder &folder, QString *failed);
};

} // namespace orvex::artwork
