// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QSize>
#include <QString>

class QPainter;

namespace orvex::artwork {

class ArtworkFolder;

// The small pictures the windows name: the selection markers
// ("selected1.png" for a lighting zone, "selected2.png" 14 × 14 for the
// chosen mouse button), the four function-type icons "BtnFunType_D/S/T/L.png"
// (31 × 31: default, single key, macro, launcher), the slider thumbs
// "Slider1.png" and "Slider2.png", and the six step icons of the macro list
// "MacroList_*" (19 × 20, one row of the list); each also at 2x.
//
// Each painter draws its picture with its top-left corner at the origin, in
// the units of the 1x picture.
class IconArt
{
public:
    static constexpr QSize FunctionIconSize{31, 31};

    static void paintZoneMarker(QPainter &painter);
    static void paintButtonMarker(QPainter &painter);
    // kind: 'D' default, 'S' single key, 'T' macro, 'L' launcher.
    static void paintFunctionIcon(QPainter &painter, QChar kind);
    static void paintLevelThumb(QPainter &painter);
    static void paintRoundThumb(QPainter &painter);
    static void paintStepIcon(QPainter &painter, const QString &kind);

    static bool writeAll(ArtworkFolder &folder, QString *failed);
};

} // namespace orvex::artwork
