// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SettingViewLayout.h"
#include "WexNumberTextField.h"
#include "WexProgressBar.h"

namespace orvex {

class KeltoImageView;

// Makes the performance page's sliders and number fields from their entries
// in the page's control table, on the view they belong to.
class SettingWidgets
{
public:
    // A slider over the view's skin at the entry's rectangle and range, its
    // track lit from the start up to the thumb (the view's Active picture),
    // named after the row's label. The level slider has the level thumb.
    static WexProgressBar *addSlider(KeltoImageView *view, const SettingViewLayout::Control &entry,
                                     WexProgressBar::Action action);
    // A resolution field (50 to 8200 DPI, four digits) named `name`.
    static WexNumberTextField *addNumberField(KeltoImageView *view,
                                              const SettingViewLayout::Control &entry,
                                              const QString &name,
                                              WexNumberTextField::Action action);
    // The name assistive technologies read for the field of a slider's row:
    // "Resolution X" gives "Resolution X in DPI".
    static QString fieldName(const QString &sliderField);
};

} // namespace orvex
