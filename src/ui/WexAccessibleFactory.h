// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvex {

// Gives the skinned controls their accessibility interfaces, so that screen
// readers and UI automation over AT-SPI see each control's role, name,
// checked state and value although the controls are pictures.
class WexAccessibleFactory
{
public:
    // Registers the factory with Qt once per process; every skinned control
    // calls it when it is made.
    static void ensureInstalled();
};

} // namespace orvex
