// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/MenuInfo.h"

#include "platform/KeyedArchiver.h"
#include "platform/KeyedUnarchiver.h"

namespace orvex {

namespace {
const QString FunctionIdKey = QStringLiteral("functionID");
const QString FunctionTableIdKey = QStringLiteral("functionTableID");
const QString SeparatorKey = QStringLiteral("needSepretor");
const QString TypeTagKey = QStringLiteral("typeTag");
const QString KeyBitKeys[4] = {QStringLiteral("KeyBit1"), QStringLiteral("KeyBit2"),
                               QStringLiteral("KeyBit3"), QStringLiteral("KeyBit4")};
const QString SaveTagKey = QStringLiteral("saveTag");
const QString MacroKey = QStringLiteral("macroInfo");
} // namespace

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

QStringList MenuInfo::archiveClassNames() const
{
    return {QLatin1String(ArchiveClassName), QStringLiteral("WexMenuData"),
            QStringLiteral("NSObject")};
}

void MenuInfo::encodeWithCoder(KeyedArchiver &coder) const
{
    coder.encodeInt(FunctionIdKey, functionID);
    coder.encodeInt(FunctionTableIdKey, functionTableID);
    coder.encodeBool(SeparatorKey, needSepretor);
    coder.encodeInt(TypeTagKey, typeTag);
    const auto bits = keyBits();
    for (size_t k = 0; k < bits.size(); ++k)
        coder.encodeInt(KeyBitKeys[k], bits[k]);
    coder.encodeBool(SaveTagKey, saveTag);
    coder.encodeObject(MacroKey, macroInfo.get());
}

std::shared_ptr<MenuInfo> MenuInfo::initWithCoder(const KeyedUnarchiver &coder)
{
    if (!coder.isKindOfClass(QLatin1String(ArchiveClassName)))
        return nullptr;
    auto entry = std::make_shared<MenuInfo>();
    entry->functionID = coder.decodeInt32ForKey(FunctionIdKey);
    entry->functionTableID = coder.decodeInt32ForKey(FunctionTableIdKey);
    entry->needSepretor = coder.decodeBoolForKey(SeparatorKey);
    entry->typeTag = coder.decodeInt32ForKey(TypeTagKey);
    entry->setKeyBits(
        {coder.decodeInt32ForKey(KeyBitKeys[0]), coder.decodeInt32ForKey(KeyBitKeys[1]),
         coder.decodeInt32ForKey(KeyBitKeys[2]), coder.decodeInt32ForKey(KeyBitKeys[3])});
    entry->saveTag = coder.decodeBoolForKey(SaveTagKey);
    const auto macro = coder.decodeObjectForKey(MacroKey);
    entry->macroInfo = macro ? MacroInfo::initWithCoder(*macro) : nullptr;
    return entry;
}

} // namespace orvex
