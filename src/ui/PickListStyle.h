// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvex {

class WexMenulist;

// The one look of the application's pick lists: white captions on calibrated
// white 0.222, the selected row white on red (calibrated RGB 0.492/0.022/
// 0.031), a red outer border inside which runs a near-black one (RGB 0/0/
// 0.017), no separator lines, the system font at 12 and centred captions.
// Only the width differs between lists.
class PickListStyle
{
public:
    static constexpr int TextPixelSize = 12;
    static constexpr int MacroListWidth = 141;
    static constexpr int SingleKeyListWidth = 146;
    static constexpr int ProfileListWidth = 153;
    static constexpr int CommandListWidth = 167;

    static void apply(WexMenulist *list, int width);
};

} // namespace orvex
