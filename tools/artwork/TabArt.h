// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SkinPainter.h"

#include <QPainterPath>

class QPainter;

namespace orvex::artwork {

// The five overlapping profile tabs' own pictures "profile1".."profile5":
// each a raised face over its caption, standing on a low band that runs
// under its neighbours. The face lies in the part of the picture the
// neighbours never cover (MainViewLayout::tabFace), so every caption stays
// whole whichever tab is in front. A tab's pressed picture is the selected
// tab: lit, its band glowing red.
class TabArt
{
public:
    static constexpr int BandHeight = 9;

    // The outline of tab `slot` (0..4) in its own coordinates.
    static QPainterPath shape(int slot);
    static void paint(QPainter &painter, int slot, SkinPainter::Face face);
};

} // namespace orvex::artwork
