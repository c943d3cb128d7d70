// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogue/MacroInfo.h"
#include "platform/KeyedArchivable.h"
#include "platform/WexMenuData.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>

namespace orvex {

// One entry of a catalogue pick list: a single-key function for a button, a
// key combination for a macro step, or (made from a macro) a macro entry.
// Archived as class "MenuInfo" with the integer keys "functionID",
// "functionTableID", "typeTag", "KeyBit1".."KeyBit4", the boolean keys
// "needSepretor" and "saveTag", and the object "macroInfo"; caption and kind
// are not archived.
class MenuInfo : public WexMenuData, public KeyedArchivable
{
public:
    // A key position that holds nothing.
    static constexpr std::int32_t EmptyKey = 0xFF;
    // The entry kind of macro entries.
    static constexpr int MacroEntryType = 1;

    // `init`: saveTag set, a fresh empty macro, all integers 0.
    MenuInfo();
    // `initWithMacroData:`: caption = the macro's name, kind MacroEntryType,
    // macroInfo = the macro itself (shared); saveTag clear, functionID 0.
    static std::shared_ptr<MenuInfo> initWithMacroData(const MacroInfoPtr &macro);

    // Single-key menu: the button record's FuncID. Combination menu: what a
    // combination step stores in keyCode.
    std::int32_t functionID = 0;
    // Single-key menu: the firmware function class (button record FuncTableId).
    std::int32_t functionTableID = 0;
    // Single-key menu: the function's parameter bytes p0..p3 (KeyBit[0..3]).
    // Combination menu: the macOS virtual key codes pressed together.
    std::int32_t KeyBit1 = 0;
    std::int32_t KeyBit2 = 0;
    std::int32_t KeyBit3 = 0;
    std::int32_t KeyBit4 = 0;
    bool needSepretor = false;
    std::int32_t typeTag = 0;
    // Key into the tooltip table; a combination entry's caption is replaced
    // by its text when non-empty.
    QString toolTipTag;
    bool saveTag = true;
    MacroInfoPtr macroInfo;

    std::array<std::int32_t, 4> keyBits() const { return {KeyBit1, KeyBit2, KeyBit3, KeyBit4}; }
    void setKeyBits(const std::array<std::int32_t, 4> &bits);

    static constexpr char ArchiveClassName[] = "MenuInfo";
    QStringList archiveClassNames() const override;
    void encodeWithCoder(KeyedArchiver &coder) const override;
    static std::shared_ptr<MenuInfo> initWithCoder(const KeyedUnarchiver &coder);
};

using MenuInfoPtr = std::shared_ptr<MenuInfo>;

} // namespace orvex
