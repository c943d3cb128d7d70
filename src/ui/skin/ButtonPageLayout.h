// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QList>
#include <QRect>
#include <QSize>
#include <QString>

namespace orvex {

// The pages that give the selected mouse button a new function: the macro
// page, the single-key page and the macro page's repeat-count dialog. For
// each, its skin, size, title and controls. The artwork generator draws the
// skins from these tables and the pages place their controls by them, so the
// two always agree.
//
// Rectangles are Qt's: left, top, width, height from the page's top-left
// corner, in the skin's pixels at 1x.
class ButtonPageLayout
{
public:
    enum class Kind
    {
        PushButton, // a button face with its caption
        ModeItem,   // a row of a step selector: a round mark and the caption
        PickField,  // shows the chosen entry; opens a pick list below it
        NumberField // a sunken box the page puts a number field into; not a button
    };

    struct Control
    {
        QString field; // the page's name for it, "okBtn"
        int tag = 0;   // the tag clicks are dispatched by; 0 for a number field
        QRect rect;    // where it sits
        Kind kind = Kind::PushButton;
        QString caption; // the words the skin draws on it, and its accessible name
    };

    // A sunken carbon panel (none when its rectangle is empty) and a small
    // label in it.
    struct Panel
    {
        QRect rect;
        QRect labelRect;
        QString label;
    };

    struct Page
    {
        QString skinName; // "<base>_Normal.png"; its siblings carry the other states
        QSize size;
        int titleHeight = 0;
        QString title;
        // The function-type icon drawn in the first panel ('T' macro,
        // 'S' single key), or none.
        QChar icon;
        QRect iconRect;
        QList<Panel> panels;
        QList<Control> controls;

        const Control *byTag(int tag) const;
        const Control *byField(const QString &field) const;
        // The controls that take slices of the skin (every kind but a number field).
        QList<Control> buttons() const;
    };

    static const Page &tkeyView();
    static const Page &singleKeyView();
    static const Page &repeatView();
    static QList<const Page *> all();

    // Macro page: where the page writes the repeat count beside "A number of times".
    static constexpr QRect RepeatCountLabel{190, 179, 60, 20};
    // The number field's inset inside its sunken box.
    static constexpr int NumberFieldInset = 3;
};

} // namespace orvex
