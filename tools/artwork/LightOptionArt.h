// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QPainter;

namespace orvex::artwork {

class ArtworkFolder;

// Every picture of the lighting page, at 1x and 2x: its skin in the five
// states, each of the mouse's three LED zones lit in each of the seven
// colours ("Light_Color<c>_Btn<z>.png", the size of the zone's place on the
// page), and for each zone and colour the line that ties the zone to its
// button ("Line_Color<c>_Btn<z>.png", the size of the line's place).
class LightOptionArt
{
public:
    // Zone 1..3 lit in palette colour 0..6, origin at the zone's place.
    static void paintZoneLight(QPainter &painter, int zone, int colour);
    // The line of zone 1..3 in palette colour 0..6, origin at the line's place.
    static void paintZoneLine(QPainter &painter, int zone, int colour);
    static bool writeAll(ArtworkFolder &folder, QString *failed);
};

} // namespace orvex::artwork
