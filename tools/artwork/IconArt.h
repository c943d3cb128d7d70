// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace orvex::artwork {

class ArtworkFolder;

// The small pictures the windows name: the selection markers
// ("selected1.png" for a lighting zone, "selected2.png" 14 × 14 for the
// chosen mouse button), the four function-type icons "BtnFunType_D/S/T/L.png"
// (31 × 31: default, single key, macro, launcher), the slider thumbs
// "Slider1.png" and "Slider2.png", and the six step icons of the macro list
// "MacroList_*" (19 × 20, one row of the list).
class IconArt
{
public:
    static QImage zoneMarker();
    static QImage buttonMarker();
    static QImage functionIcon(QChar kind);
    static QImage levelThumb();
    static QImage roundThumb();
    static QImage stepIcon(const QString &kind);

    static bool writeAll(ArtworkFolder &folder, QString *failed);
};

} // namespace orvex::artwork
