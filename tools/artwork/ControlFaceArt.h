// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MainViewLayout.h"
#include "SkinPainter.h"

class QPainter;

namespace orvex::artwork {

// The faces of the main window's controls that take slices of its skin:
// the four small icon buttons of the top strip, the LED modes, the profile
// name field, the function-type and film buttons, Apply, Cancel and OK, and
// the DPI keys. Each is drawn inside its rectangle only, so the skin's
// pictures differ exactly there.
class ControlFaceArt
{
public:
    static void paint(QPainter &painter, const MainViewLayout::Control &control,
                      SkinPainter::Face face);
    // A field that shows a chosen entry and opens a pick list: a sunken box
    // with the list's arrow at its right end.
    static void paintPickField(QPainter &painter, const QRect &rect, SkinPainter::Face face);
};

} // namespace orvex::artwork
