// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvex {

class WexMenulist;

// The process-wide macro pick list over the catalogue's macro tree. The
// catalogue rebuilds its tree in the core; installHook() lets each rebuild
// point this list at the new tree, creating and styling the list the first
// time. Pages make themselves its delegate before showing it.
class MacroMenuList
{
public:
    static void installHook();
    // Null until the catalogue has built its macro tree once.
    static WexMenulist *macroMenuList();
};

} // namespace orvex
