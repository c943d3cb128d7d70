// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex {

// Key names for the macro editor's step list.
class WexKey
{
public:
    // The display name of a macOS virtual key code (the unit macros store):
    // "A", "F1", "Left Ctrl", "Page Down", ...; "Key <code>" for a code the
    // key table does not hold, so a step is never shown without a name.
    static QString getStrByKeycode(int keyCode);
};

} // namespace orvex
