// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

namespace orvex {

// The main window's controls: where each sits, its tag, and whether it has
// pictures of its own or takes slices of the window's skin. The artwork
// generator draws the skin and the own pictures from this table and the main
// view places its controls by it, so the two always agree.
//
// Rectangles are Qt's: left, top, width, height from the view's top-left
// corner, in the skin's pixels at 1x.
class MainViewLayout
{
public:
    struct Control
    {
        QString field;      // the main view's name for it, "reDefBtn"
        int tag = 0;        // the tag clicks are dispatched by
        QRect rect;         // where it sits
        QString ownPicture; // base name of its own pictures, empty: skin slices
        QString caption;    // the words on it, as the skin draws them, or what its icon
                            // stands for (Reset, Web, Help, Close); may be empty
    };

    static constexpr QSize ViewSize{923, 752};
    static constexpr int DragHeight = 150;
    // The skin: "MainView_Normal.png" and its Over, Down, Disable, Active siblings.
    static constexpr char SkinName[] = "MainView_Normal.png";

    // The function-type icons, by btnType: 0 default, 1 single key, 2 macro,
    // 3 launcher.
    static QList<QString> functionTypeIcons();

    // Every button of the main view, in the order it is created.
    static const QList<Control> &controls();
    // The control of that tag or field; null when there is none.
    static const Control *byTag(int tag);
    static const Control *byField(const QString &field);

    // The tags of the five profile tabs (slot 0..4) and of the eleven
    // hot-spots (button index 0..10); the tag between them is not used.
    static constexpr int FirstTabTag = 261;
    static constexpr int TabCount = 5;
    // The part of the picture of tab `slot` (0..4) that its neighbours never
    // cover, in the tab's own coordinates: the tab's caption is drawn there
    // and its tooltip shows only there. Null outside 0..4.
    static QRect tabFace(int slot);
    static constexpr int FirstHotSpotTag = 281;
    static constexpr int UnusedTag = 288;
    static QList<int> hotSpotTags();

    // The selection markers (14 x 14, "selected2.png"): the first is centred
    // on the selected hot-spot, the second marks the far end of the wide
    // middle-click hot-spot.
    static constexpr QSize MarkerSize{14, 14};
    static constexpr QRect MiddleClickMarker1{186, 376, 14, 14};
    static constexpr QRect MiddleClickMarker2{357, 376, 14, 14};
    // The info area: the function-type icon and the caption beside it.
    static constexpr QRect FunctionIcon{193, 682, 31, 31};
    static constexpr QRect FunctionCaption{248, 688, 100, 23};
};

} // namespace orvex
