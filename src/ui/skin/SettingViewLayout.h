// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

namespace orvex {

// The performance page's controls and panels: where each control sits, its
// tag, what it is, and the words the skin draws for it. The artwork
// generator draws the page's skins from this table and the page places its
// controls by it, so the two always agree.
//
// The page has a second view over part of its resolution panel, the
// separate X and Y resolution (SettingDPIView); its controls are given in
// that view's own coordinates. Rectangles are Qt's: left, top, width, height
// from the view's top-left corner, in the skin's pixels at 1x.
class SettingViewLayout
{
public:
    enum class Kind
    {
        Button,
        CheckBox,
        RateItem, // one of the report-rate selector's items
        Slider,
        NumberField,
    };

    enum class View
    {
        Page,
        Dpi,
    };

    struct Control
    {
        QString field; // the page's name for it, "dpiLevelPro"
        int tag = 0;   // the tag clicks are dispatched by; 0 for the number fields
        Kind kind = Kind::Button;
        View view = View::Page;
        QRect rect;
        // Buttons, check boxes and rate items: the words on the face. Sliders:
        // the row's label, left of the track. Number fields: the unit after
        // the field. Also the name assistive technologies read where the
        // page's tooltips give none.
        QString caption;
        // Sliders and number fields: the range of their values.
        int minimum = 0;
        int maximum = 0;
    };

    // A sunken panel with its title in the top-left corner.
    struct Panel
    {
        QString title;
        QRect rect;
    };

    static constexpr QSize ViewSize{605, 663};
    static constexpr int DragHeight = 60;
    // The skins: "<Name>_Normal.png" and its Over, Down, Disable, Active
    // siblings. In the Active pictures the slider tracks are lit: the sliders
    // show that slice from the start of the track up to the thumb.
    static constexpr char SkinName[] = "SettingView_Normal.png";
    static constexpr char DpiSkinName[] = "SettingDPIView_Normal.png";
    // Where the separate X and Y view lies on the page; it hides the joint
    // resolution row while it is shown.
    static constexpr QRect DpiViewRect{21, 162, 563, 122};
    // The sunken box a number field sits in, around the field's rectangle.
    static constexpr int FieldBoxMargin = 3;
    static constexpr int TrackEndLabelHeight = 12;
    // The thumbs: "Slider1.png" on the level slider, "Slider2.png" on the
    // others. The level slider's four positions lie one thumb's travel
    // apart; the skin marks them 1 to 4.
    static constexpr char LevelThumb[] = "Slider1.png";
    static constexpr char RoundThumb[] = "Slider2.png";
    static constexpr int LevelThumbWidth = 14;
    // The centre of the level slider's thumb at `level` (0..3), in page x.
    static int levelMark(int level);

    static const QList<Control> &controls();
    static QList<Control> controlsOf(View view);
    static const Control *byField(const QString &field);
    static const Control *byTag(int tag);
    static const QList<Panel> &panels();

    // The sunken box drawn around a number field.
    static QRect fieldBox(const Control &field);
    // The room left of a slider where its row label goes; empty for a
    // slider whose panel title names it.
    static QRect rowLabel(const Control &slider);
    // The words under the two ends of a slider's track ("50" and "8200"),
    // or beside them for the desktop settings ("SLOW", "FAST"); empty when
    // the slider has none.
    struct TrackEnds
    {
        QString low;
        QString high;
        bool beside = false;
    };
    static TrackEnds trackEnds(const Control &slider);
    // The rectangles those words are drawn in.
    static QRect lowEndRect(const Control &slider);
    static QRect highEndRect(const Control &slider);
};

} // namespace orvex
