// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ButtonPageLayout.h"

#include <QRect>
#include <QString>

namespace orvex {

// The profile management page: its skin, size, title, panels and buttons,
// in the same table form as the button-function pages (so it is drawn by
// the same painter), and the places of what the skin does not hold: the
// profile table, which the page puts into the sunken well drawn around it,
// and the hint under it.
//
// Rectangles are Qt's: left, top, width, height from the page's top-left
// corner, in the skin's pixels at 1x.
class ProfileViewLayout
{
public:
    static constexpr int NewTag = 5150;
    static constexpr int ImportTag = 5151;
    static constexpr int ExportTag = 5152;
    static constexpr int DeleteTag = 5153;
    static constexpr int OkTag = 5154;
    static constexpr int CancelTag = 5155;
    static constexpr int ApplyTag = 5156;

    static const ButtonPageLayout::Page &page();

    // The table's rectangle; the skin draws its well one pixel outside it.
    static constexpr QRect TableRect{24, 84, 438, 324};
    static constexpr int RowHeight = 20;
    static constexpr int HeaderHeight = 22;
    // The row-number column; the name column takes the rest.
    static constexpr int NumberColumnWidth = 48;
    static constexpr QRect HintRect{16, 430, 300, 30};
    static QString hint();
};

} // namespace orvex
