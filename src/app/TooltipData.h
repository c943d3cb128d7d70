// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace orvex {

// One tooltip of one language: an "Item" of Tooltip.xml.
class TooltipData
{
public:
    // Look-up key: the English text as the program writes it, final "."
    // included (attribute "name").
    QString name;
    // The text shown, with one final "." removed at load time ("text").
    QString text;
    // The view the entry belongs to ("viewID", decimal; 0 when absent).
    int viewId = 0;
    // The control within that view ("btnID").
    QString btnTag;
};

} // namespace orvex
