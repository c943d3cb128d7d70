// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

namespace orvex {

// The colours and type of the application's look, shared by the build-time
// artwork generator and the widgets that paint at run time (message boxes,
// pick lists), so both halves of the interface match.
class SkinPalette
{
public:
    // The red of the pick lists' selected row: calibrated RGB 0.492/0.022/0.031.
    static QColor accent();
    // A brighter red for edges, glows and the pointer-over state.
    static QColor accentBright();
    // Brushed-metal background, from its lightest to its darkest band.
    static QColor metalLight();
    static QColor metalDark();
    // Inset panels (carbon weave) and the frames around them.
    static QColor panel();
    static QColor panelEdge();
    static QColor text();
    static QColor textDim();
    // Pick lists: calibrated white 0.222 behind, RGB 0/0/0.017 around.
    static QColor listBackground();
    static QColor listBorder();

    // The family used for every text the skins draw; a font with an open
    // licence present on Debian desktops.
    static QString fontFamily();
    // A font of `pixelSize` pixels: the skins are drawn in pixels, so the
    // point sizes of the windows are taken as pixel sizes.
    static QFont font(int pixelSize, bool bold = false);
};

} // namespace orvex
