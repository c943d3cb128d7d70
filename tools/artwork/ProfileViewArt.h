// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SkinPainter.h"

#include <QString>

class QPainter;

namespace orvex::artwork {

class ArtworkFolder;

// The profile management page's skin in the five states at 1x and 2x: the
// button-function pages' look (ButtonPageArt) with its two panels and
// buttons, a sunken black well the profile table lies in, and a hint under
// the well. As on those pages, the states differ only inside the buttons.
class ProfileViewArt
{
public:
    static void paint(QPainter &painter, SkinPainter::Face face);
    static bool writeAll(ArtworkFolder &folder, QString *failed);
};

} // namespace orvex::artwork
