// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvex {

class WexNumberTextField;
class WexProgressBar;

// What the separate X and Y view hands on to the page that owns it: the
// moves of its two sliders and what is typed into its two fields. The view
// does nothing with them itself.
class SettingDPIDelegate
{
public:
    virtual ~SettingDPIDelegate() = default;
    virtual void progessBarAction(WexProgressBar *sender) { (void)sender; }
    virtual void onNumTextChange(WexNumberTextField *sender) { (void)sender; }
};

} // namespace orvex
