// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ButtonPageLayout.h"
#include "SkinPainter.h"

#include <QString>

class QPainter;

namespace orvex::artwork {

class ArtworkFolder;

// The skins of the button-function pages (the macro page, the single-key
// page and the repeat-count dialog), each in the five states at 1x and 2x:
// the main window's brushed metal with a title strip, carbon panels with
// small labels, and the controls of the page's table. Only the controls are
// drawn in the state's face, each inside its rectangle, so the pictures of
// the states differ there only; a number field's box is the same in all.
class ButtonPageArt
{
public:
    static void paint(QPainter &painter, const ButtonPageLayout::Page &page,
                      SkinPainter::Face face);
    static bool writeAll(ArtworkFolder &folder, QString *failed);
};

} // namespace orvex::artwork
