// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/MacroEncoder.h"

#include "catalogue/Catalogue.h"
#include "catalogue/MacroInfo.h"
#include "device/MemoryMap.h"
#include "platform/WexLogger.h"

#include <algorithm>

namespace orvex {

namespace {

constexpr int EmptyKey = 0xFF;
constexpr int MaxPauseUnits = 0xFF;

QByteArray combinationBytes(const MacroKeyInfo &step)
{
    const MenuInfoPtr entry = Catalogue::getMacroMenuByFunid(step.keyCode);
    if (!entry)
        return {};
    const auto keys = entry->keyBits();
    QByteArray bytes;
    for (int key : keys) {
        if (key == EmptyKey)
            break;
        bytes += char(MemoryMap::macroEventByte(key, MacroKeyInfo::KeyPress));
    }
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        if (*key != EmptyKey)
            bytes += char(MemoryMap::macroEventByte(*key, MacroKeyInfo::KeyRelease));
    }
    return bytes;
}

QByteArray stepBytes(const MacroKeyInfo &step)
{
    if (step.keyFlag == MacroKeyInfo::Combination)
        return combinationBytes(step);
    QByteArray bytes(1, char(MemoryMap::macroEventByte(step.keyCode, step.keyFlag)));
    if (step.delay > 0) {
        bytes += char(fwmem::MacroPauseEntry);
        bytes += char(MacroEncoder::pauseUnits(step.delay));
    }
    return bytes;
}

} // namespace

std::uint8_t MacroEncoder::pauseUnits(int delayMs)
{
    return std::uint8_t(std::clamp(delayMs / fwmem::MacroPauseUnitMs, 1, MaxPauseUnits));
}

QByteArray MacroEncoder::encode(const MacroInfo &macro)
{
    QByteArray data;
    for (const MacroKeyInfoPtr &step : macro.keyInfoArr) {
        const QByteArray bytes = stepBytes(*step);
        if (data.size() + bytes.size() > fwmem::MacroDataSize) {
            ORVEX_WARNING(QStringLiteral("macro \"%1\" is cut to %2 bytes: the mouse holds no more")
                              .arg(macro.nameStr)
                              .arg(data.size()));
            break;
        }
        data += bytes;
    }
    return data;
}

} // namespace orvex
