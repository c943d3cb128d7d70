// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/WexTreeNode.h"

namespace orvex {

class WexMenulist;

// Told which entry of a pick list the user chose.
class WexMenulistDelegate
{
public:
    virtual ~WexMenulistDelegate() = default;
    virtual void onMenulistSelected(WexMenulist *list, const WexTreeNode::Ptr &selNode) = 0;
};

} // namespace orvex
