// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/MenuInfo.h"

namespace orvex {

MenuInfo::MenuInfo() : macroInfo(std::make_shared<MacroInfo>()) {}

std::shared_ptr<MenuInfo> MenuInfo::initWithMacroData(const MacroInfoPtr &macro)
{
    auto entry = std::make_shared<MenuInfo>();
    entry->saveTag = false;
    entry->macroInfo = macro;
    entry->setType(MacroEntryType);
    if (macro)
        entry->setTitleStr(macro->nameStr);
    return entry;
}

void MenuInfo::setKeyBits(const std::array<std::int32_t, 4> &bits)
{
    KeyBit1 = bits[0];
    KeyBit2 = bits[1];
    KeyBit3 = bits[2];
    KeyBit4 = bits[3];
}

} // namespace orvex
