// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SkinPainter.h"

#include <QImage>

namespace orvex::gallery {

// The gallery window's skin in each state, painted with the application's
// drawing primitives (the gallery is a tool for developers, so its skin is
// not shipped as pictures). The Active picture carries the filled slider
// tracks.
class GallerySkin
{
public:
    static QImage render(SkinPainter::Face face);
};

} // namespace orvex::gallery
