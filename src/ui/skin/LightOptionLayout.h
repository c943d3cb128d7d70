// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QString>
#include <QTransform>

namespace orvex {

// The lighting page: where its controls sit, the mouse it shows with the
// three LED zones, and the names of its pictures. The artwork generator
// draws the page's skin, the zones lit in each colour and the lines that tie
// a zone to its button from this table, and the page places its controls and
// picture views by it, so the two always agree.
//
// Rectangles are Qt's: left, top, width, height from the page's top-left
// corner, in the skin's pixels at 1x.
class LightOptionLayout
{
public:
    struct Control
    {
        QString field;   // the page's name for it, "light1Btn"
        int tag = 0;     // the tag clicks are dispatched by
        QRect rect;      // where it sits; its pictures are slices of the skin
        QString caption; // the words the skin draws on it; empty for a colour
    };

    static constexpr QSize ViewSize{709, 598};
    static constexpr int DragHeight = 50;
    // The skin: "LightOptionView_Normal.png" and its Over, Down, Disable, Active siblings.
    static constexpr char SkinName[] = "LightOptionView_Normal.png";

    static constexpr int ZoneCount = 3;
    static constexpr int ColourCount = 7;
    static constexpr int FirstZoneTag = 5000;   // light1Btn .. light3Btn
    static constexpr int FirstColourTag = 5003; // color1Btn .. color7Btn, palette index 0..6
    static constexpr int LightOnTag = 5010;
    static constexpr int LightOffTag = 5011;
    static constexpr int OkTag = 5012;
    static constexpr int CancelTag = 5013;
    static constexpr int ApplyTag = 5014;

    // Every button of the page, in the order it is created.
    static const QList<Control> &controls();
    // The control of that tag or field; null when there is none.
    static const Control *byTag(int tag);
    static const Control *byField(const QString &field);

    // A colour of the palette (index 0..6, in the order of the colour
    // buttons): its English name, which is also the key of its tooltip, and
    // how the pictures show it. Out of range: an empty name and an invalid
    // colour.
    static QString colourName(int index);
    static QColor colourShown(int index);

    // Zone 1..3 of the mouse: what the zone is on the mouse ("Front strip").
    static QString zoneName(int zone);
    // Where the picture of zone 1..3 lit in a colour is shown: it holds the
    // zone's lights and their glow, and nothing else. Null out of range.
    static QRect zoneLightRect(int zone);
    // Where the pointer-over marker of zone 1..3 is shown, centred on the zone.
    static QRect zoneMarkerRect(int zone);
    // The end on the mouse of the line that ties zone 1..3 to its button.
    static QPointF zoneLineAnchor(int zone);
    // Where the line of the selected zone is shown: every zone's line lies
    // inside. The lines run from their anchor to the left of LineBusX, up or
    // down along it, and into the middle of the zone's button.
    static constexpr QRect LineViewRect{230, 90, 222, 246};
    static constexpr qreal LineBusX = 438.0;

    // The main window's drawing of the mouse, scaled and moved onto this page.
    static QTransform mouseTransform();

    // The page's picture names; colour 1..7 (palette index + 1), zone 1..3.
    static QString lightPictureName(int colour, int zone);
    static QString linePictureName(int colour, int zone);
    static constexpr char ZoneMarkerPicture[] = "selected1.png";
    static constexpr QSize ZoneMarkerSize{48, 48};
};

} // namespace orvex
