// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace orvex::artwork {

class ArtworkFolder;

// The application's icon for the desktop's icon theme: the mouse seen from
// above in the suite's colours, written as SVG and as PNGs of the sizes
// desktops ask for, under "icons/hicolor/<size>/apps/" (installed into the
// hicolor theme, see packaging/). Both come from one set of shapes.
class AppIconArt
{
public:
    // The icon's name: the application's identifier, which its desktop
    // entry gives as Icon.
    static constexpr char IconName[] = "com.kelto.orvexOption";
    static constexpr int DesignSize = 256;

    static QList<int> pixelSizes() { return {16, 32, 48, 64, 128, 256}; }
    static bool writeAll(ArtworkFolder &folder, QString *failed);
};

} // namespace orvex::artwork
