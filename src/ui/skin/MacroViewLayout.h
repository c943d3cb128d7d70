// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ButtonPageLayout.h"

#include <QList>
#include <QRect>

namespace orvex {

// The macro editor and its new-macro name dialog: skins, sizes, titles and
// controls, in the tables of the button-function pages (ButtonPageLayout),
// so that the artwork generator and the pages share one description.
//
// The editor's controls carry the tags its buttons are dispatched by. Its
// two check boxes are drawn as mode items (a round mark that lights when
// ticked); its number fields, the name field and the step list sit in
// sunken boxes of kind NumberField (tag 0).
class MacroViewLayout
{
public:
    static const ButtonPageLayout::Page &macroView();
    static const ButtonPageLayout::Page &createMacroView();
    static QList<const ButtonPageLayout::Page *> all();

    // The step list fills its box less this inset.
    static constexpr int StepListInset = 1;
    static constexpr int StepRowHeight = 20;
    // Widths of the icon, text and second icon columns; the delay column
    // takes the rest.
    static constexpr int IconColumnWidth = 19;
    static constexpr int TextColumnWidth = 106;
};

} // namespace orvex
