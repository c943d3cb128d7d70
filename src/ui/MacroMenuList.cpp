// SPDX-License-Identifier: GPL-3.0-or-later
#include "MacroMenuList.h"

#include "PickListStyle.h"
#include "WexMenulist.h"
#include "catalogue/Catalogue.h"

#include <QPointer>

namespace orvex {

namespace {

// Kept for the life of the process, like the catalogue it shows.
QPointer<WexMenulist> sharedList;

} // namespace

void MacroMenuList::installHook()
{
    Catalogue::setMacroMenuListHook([](const WexTreeNode::Ptr &macroNode) {
        if (!sharedList) {
            sharedList = WexMenulist::menulistWithNode(macroNode);
            PickListStyle::apply(sharedList, PickListStyle::MacroListWidth);
            sharedList->setAccessibleName(QStringLiteral("Macros"));
        }
        sharedList->setMenuNode(macroNode);
    });
}

WexMenulist *MacroMenuList::macroMenuList()
{
    return sharedList.data();
}

} // namespace orvex
