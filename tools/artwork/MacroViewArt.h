// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex::artwork {

class ArtworkFolder;

// The skins of the macro editor and its new-macro name dialog, each in the
// five states at 1x and 2x, in the look of the button-function pages: the
// tables of MacroViewLayout drawn as those pages draw theirs.
class MacroViewArt
{
public:
    static bool writeAll(ArtworkFolder &folder, QString *failed);
};

} // namespace orvex::artwork
