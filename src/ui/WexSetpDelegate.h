// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvex {

class WexSetpPanelObj;

// What a step selector asks and tells its owner. Indices are 1-based; 0
// means no item.
class WexSetpDelegate
{
public:
    virtual ~WexSetpDelegate() = default;
    // Answer false to keep the old item selected.
    virtual bool shouldSelectIndex(int newIndex, int oldIndex, WexSetpPanelObj *sender)
    {
        (void)newIndex;
        (void)oldIndex;
        (void)sender;
        return true;
    }
    virtual void onSelectIndex(int newIndex, int oldIndex, WexSetpPanelObj *sender) = 0;
};

} // namespace orvex
