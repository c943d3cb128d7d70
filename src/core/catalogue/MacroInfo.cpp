// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/MacroInfo.h"

#include "catalogue/Catalogue.h"
#include "catalogue/MenuInfo.h"
#include "platform/KeyedArchiver.h"
#include "platform/KeyedUnarchiver.h"

namespace orvex {

namespace {

// A key step with a pause is sent as the key byte and a two-byte delay.
constexpr std::int32_t KeyStepBytes = 1;
constexpr std::int32_t DelayBytes = 2;
// Each key of a combination is sent pressed and released: one byte each.
constexpr std::int32_t CombinationKeyBytes = 2;

const QString LoopTimeKey = QStringLiteral("loopTime");
const QString NameKey = QStringLiteral("nameStr");
const QString StepsKey = QStringLiteral("keyInfoArr");

} // namespace

std::int32_t MacroInfo::getMacroCount() const
{
    std::int32_t count = 0;
    for (const MacroKeyInfoPtr &step : keyInfoArr) {
        if (!step)
            continue;
        if (step->keyFlag == MacroKeyInfo::Combination)
            count += getComMacroCount(*step);
        else
            count += KeyStepBytes + (step->delay > 0 ? DelayBytes : 0);
    }
    return count;
}

std::int32_t MacroInfo::getComMacroCount(const MacroKeyInfo &step)
{
    const std::shared_ptr<MenuInfo> entry = Catalogue::getMacroMenuByFunid(step.keyCode);
    if (!entry)
        return 0;
    std::int32_t count = 0;
    for (std::int32_t key : entry->keyBits()) {
        if (key == MenuInfo::EmptyKey)
            break;
        count += CombinationKeyBytes;
    }
    return count;
}

MacroKeyInfoPtr MacroInfo::addStep(std::int32_t keyCode, std::int32_t keyFlag, std::int32_t delay)
{
    auto step = std::make_shared<MacroKeyInfo>(keyCode, keyFlag, delay);
    keyInfoArr.append(step);
    return step;
}

std::shared_ptr<MacroInfo> MacroInfo::deepCopy() const
{
    auto copy = std::make_shared<MacroInfo>();
    copy->macroId = macroId;
    copy->nameStr = nameStr;
    copy->loopTime = loopTime;
    for (const MacroKeyInfoPtr &step : keyInfoArr) {
        if (step)
            copy->keyInfoArr.append(std::make_shared<MacroKeyInfo>(*step));
    }
    return copy;
}

QStringList MacroInfo::archiveClassNames() const
{
    return {QLatin1String(ArchiveClassName), QStringLiteral("NSObject")};
}

void MacroInfo::encodeWithCoder(KeyedArchiver &coder) const
{
    coder.encodeInt(LoopTimeKey, loopTime);
    coder.encodeString(NameKey, nameStr);
    QList<const KeyedArchivable *> steps;
    for (const MacroKeyInfoPtr &step : keyInfoArr)
        steps.append(step.get());
    coder.encodeArrayOfObjects(StepsKey, steps);
}

std::shared_ptr<MacroInfo> MacroInfo::initWithCoder(const KeyedUnarchiver &coder)
{
    if (!coder.isKindOfClass(QLatin1String(ArchiveClassName)))
        return nullptr;
    auto macro = std::make_shared<MacroInfo>();
    macro->loopTime = coder.decodeInt32ForKey(LoopTimeKey);
    macro->nameStr = coder.decodeStringForKey(NameKey);
    for (const KeyedUnarchiver &element : coder.decodeArrayOfObjectsForKey(StepsKey)) {
        if (MacroKeyInfoPtr step = MacroKeyInfo::initWithCoder(element))
            macro->keyInfoArr.append(step);
    }
    return macro;
}

} // namespace orvex
