// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/ProfileRanges.h"

#include "device/MemoryMap.h"

#include <algorithm>

namespace orvex {

namespace {

QString mended(const QString &field, std::uint32_t was, std::uint32_t now)
{
    return QStringLiteral("%1 %2 out of range, using %3").arg(field).arg(was).arg(now);
}

void clampField(std::uint32_t &value, std::uint32_t minimum, std::uint32_t maximum,
                const QString &field, QStringList &notes)
{
    const std::uint32_t valid = std::clamp(value, minimum, maximum);
    if (valid == value)
        return;
    notes << mended(field, value, valid);
    value = valid;
}

QString indexed(const char *field, int index)
{
    return QStringLiteral("%1[%2]").arg(QLatin1String(field)).arg(index);
}

} // namespace

QStringList ProfileRanges::clamp(ORVEX_PROFILE &profile)
{
    QStringList notes;
    for (int i = 0; i < ButtonCount; ++i) {
        BTN_INFO &button = profile.btnInfo[i];
        if (button.btnType >= MinButtonType && button.btnType <= MaxButtonType)
            continue;
        const auto derived = std::uint32_t(MemoryMap::getBtnTypePro(int(button.FuncTableId)));
        notes << mended(QStringLiteral("%1 btnType").arg(QLatin1String(ButtonKeyNames[i])),
                        button.btnType, derived);
        button.btnType = derived;
    }
    for (int zone = 0; zone < LedZoneCount; ++zone)
        clampField(profile.lightColorIndexArr[zone], 0, MaxColourIndex,
                   indexed("lightColorIndexArr", zone), notes);
    for (int stage = 0; stage < DpiStageCount; ++stage) {
        clampField(profile.xSensArr[stage], MinDpiValue, MaxDpiValue, indexed("xSensArr", stage),
                   notes);
        clampField(profile.ySensArr[stage], MinDpiValue, MaxDpiValue, indexed("ySensArr", stage),
                   notes);
    }
    clampField(profile.currSelectDPI, 0, MaxDpiStage, QStringLiteral("currSelectDPI"), notes);
    clampField(profile.poRate, 0, MaxReportRate, QStringLiteral("poRate"), notes);
    clampField(profile.liftHeight, 0, MaxLiftHeight, QStringLiteral("liftHeight"), notes);
    return notes;
}

} // namespace orvex
