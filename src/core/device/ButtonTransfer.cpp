// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/ButtonTransfer.h"

#include "catalogue/Catalogue.h"
#include "device/DeviceLink.h"
#include "device/DeviceMirror.h"
#include "device/FirmwareFunctionTable.h"
#include "device/MacroEncoder.h"
#include "device/MemoryMap.h"
#include "device/TransferProgress.h"
#include "device/WritePlan.h"
#include "platform/WexLogger.h"

#include <QMutexLocker>

#include <algorithm>
#include <array>

namespace orvex {

namespace {

// FuncID values of functions that have no catalogue entry.
constexpr std::uint32_t FuncMacro = 6;
constexpr std::uint32_t FuncLauncher = 15;
constexpr std::uint32_t FuncTKey = 239;
constexpr std::uint32_t FuncPageUpWin = 240;
constexpr std::uint32_t FuncPageDownWin = 241;
constexpr int RepeatModeParam = 0;
constexpr int RepeatCountParam = 1;
constexpr int LengthHighShift = 8;
constexpr int LengthNibbleShift = 4;
constexpr std::uint8_t MacroTypeMask = 0x0F;

int macroIndex(int profile, int slot)
{
    return fwmem::ButtonSlotCount * profile + slot;
}

std::uint16_t macroHeader(int profile, int slot)
{
    return std::uint16_t(fwmem::MacroHeaders + fwmem::MacroHeaderSize * macroIndex(profile, slot));
}

std::uint16_t macroData(int profile, int slot)
{
    return std::uint16_t(fwmem::MacroData + fwmem::MacroDataSize * macroIndex(profile, slot));
}

// `slot` is the onboard profile, `buttonSlot` the firmware button slot.
std::uint16_t classAddress(int slot, int buttonSlot)
{
    return std::uint16_t(MemoryMap::getOffsetAdrBy(fwmem::ButtonClass, slot) + buttonSlot);
}

// Parameter bytes live 11 bytes after the class bytes, four per button slot.
std::uint16_t paramAddress(int slot, int buttonSlot, int k)
{
    return std::uint16_t(MemoryMap::getOffsetAdrBy(fwmem::ButtonParams, slot) +
                         fwmem::ButtonParamCount * buttonSlot + k);
}

bool isMacro(const BTN_INFO &button)
{
    return button.FuncTableId == fwfunc::Macro;
}

std::optional<std::uint8_t> knownOrRead(std::uint16_t address)
{
    if (const auto known = DeviceMirror::byteAt(address))
        return known;
    return DeviceLink::readByteChecked(address);
}

void planButton(WritePlan &plan, const BTN_INFO &button, int slot, int buttonSlot)
{
    const FirmwareFunction function = MemoryMap::firmwareFunction(button);
    plan.add(classAddress(slot, buttonSlot), function.functionClass);
    for (int k = 0; k < fwmem::ButtonParamCount; ++k)
        plan.add(paramAddress(slot, buttonSlot, k), function.params[std::size_t(k)]);
}

// Class and parameters of one button, or nothing when a read failed.
std::optional<BTN_INFO> readButton(const BTN_INFO &previous, int slot, int buttonSlot)
{
    BTN_INFO button = previous;
    const auto functionClass = DeviceLink::readByteChecked(classAddress(slot, buttonSlot));
    if (!functionClass)
        return std::nullopt;
    button.FuncTableId = *functionClass;
    for (int k = 0; k < fwmem::ButtonParamCount; ++k) {
        const auto value = DeviceLink::readByteChecked(paramAddress(slot, buttonSlot, k));
        if (!value)
            return std::nullopt;
        button.KeyBit[k] = *value;
    }
    button.btnType = std::uint32_t(MemoryMap::getBtnTypePro(int(button.FuncTableId)));
    return button;
}

} // namespace

WritePlan ButtonTransfer::planMacro(int profile, int btnIndex, const ORVEX_PROFILE &proInfo)
{
    WritePlan plan;
    const BTN_INFO &button = proInfo.btnInfo[btnIndex];
    const int slot = MemoryMap::getBtnIndexBy(btnIndex);
    const MacroInfoPtr macro = Catalogue::getMacroById(std::int32_t(button.MacroID));
    if (!macro)
        return plan;
    const QByteArray data = MacroEncoder::encode(*macro);
    const int count = int(data.size());
    const int type = MemoryMap::getMacroType(int(button.KeyBit[RepeatModeParam]));
    const std::uint16_t header = macroHeader(profile, slot);
    const std::array<std::uint8_t, fwmem::MacroHeaderSize> headerBytes = {
        std::uint8_t(count & 0xFF), fwmem::MacroHeaderMark,
        std::uint8_t(button.KeyBit[RepeatCountParam]),
        std::uint8_t((((count >> LengthHighShift) & 0xFF) << LengthNibbleShift) | type)};
    for (int k = 0; k < fwmem::MacroHeaderSize; ++k)
        plan.add(std::uint16_t(header + k), headerBytes[size_t(k)]);
    const std::uint16_t start = macroData(profile, slot);
    for (int k = 0; k < count; ++k)
        plan.add(std::uint16_t(start + k), std::uint8_t(data[k]));
    return plan;
}

bool ButtonTransfer::setMacroInfoToDevice(int profile, int btnIndex, const ORVEX_PROFILE &proInfo)
{
    QMutexLocker lock(&DeviceLink::commandLock());
    return planMacro(profile, btnIndex, proInfo).send();
}

WritePlan ButtonTransfer::planButtons(int slot, const ORVEX_PROFILE &record)
{
    WritePlan plan;
    for (int i = 0; i < ButtonCount; ++i) {
        planButton(plan, record.btnInfo[i], slot, MemoryMap::getBtnIndexBy(i));
        if (isMacro(record.btnInfo[i]))
            plan.append(planMacro(slot, i, record));
    }
    return plan;
}

bool ButtonTransfer::writeButtons(int slot, const ORVEX_PROFILE &record)
{
    QMutexLocker lock(&DeviceLink::commandLock());
    return DeviceLink::finishWrites(planButtons(slot, record).send());
}

bool ButtonTransfer::readMacroBytes(int slot, const ORVEX_PROFILE &record)
{
    if (!DeviceMirror::isEnabled())
        return true;
    QMutexLocker lock(&DeviceLink::commandLock());
    for (int i = 0; i < ButtonCount; ++i) {
        if (!isMacro(record.btnInfo[i]))
            continue;
        const std::uint16_t header = macroHeader(slot, MemoryMap::getBtnIndexBy(i));
        std::array<std::uint8_t, fwmem::MacroHeaderSize> bytes{};
        for (int k = 0; k < fwmem::MacroHeaderSize; ++k) {
            const auto value = knownOrRead(std::uint16_t(header + k));
            if (!value)
                return false;
            bytes[std::size_t(k)] = *value;
        }
        const int count = std::min<int>(
            bytes[0] | ((bytes[3] >> LengthNibbleShift) << LengthHighShift), fwmem::MacroDataSize);
        TransferProgress::extend(count);
        const std::uint16_t start = macroData(slot, MemoryMap::getBtnIndexBy(i));
        for (int k = 0; k < count; ++k) {
            if (!knownOrRead(std::uint16_t(start + k)))
                return false;
        }
    }
    return true;
}

bool ButtonTransfer::getMacroInfoFromDevice(int profile, int btnIndex, ORVEX_PROFILE &proInfo)
{
    const std::uint16_t header = macroHeader(profile, MemoryMap::getBtnIndexBy(btnIndex));
    const auto count = DeviceLink::readByteChecked(std::uint16_t(header + 2));
    const auto typeByte =
        count ? DeviceLink::readByteChecked(std::uint16_t(header + 3)) : std::nullopt;
    if (!typeByte)
        return false;
    proInfo.btnInfo[btnIndex].KeyBit[RepeatModeParam] =
        std::uint32_t(MemoryMap::getMacroType2(*typeByte & MacroTypeMask));
    proInfo.btnInfo[btnIndex].KeyBit[RepeatCountParam] = *count;
    return true;
}

std::uint32_t ButtonTransfer::functionIdFor(const BTN_INFO &button, std::uint32_t previous)
{
    if (isMacro(button))
        return button.KeyBit[fwfunc::MacroIdParam] >= 1 ? FuncMacro : FuncTKey;
    if (button.FuncTableId == fwfunc::Launcher)
        return FuncLauncher;
    if (button.FuncTableId == fwfunc::MouseButton && button.KeyBit[0] == fwfunc::MouseBack)
        return FuncPageUpWin;
    if (button.FuncTableId == fwfunc::MouseButton && button.KeyBit[0] == fwfunc::MouseForward)
        return FuncPageDownWin;
    const MenuInfoPtr entry = Catalogue::getSingleByBtnInfo(button);
    return entry ? std::uint32_t(entry->functionID) : previous;
}

bool ButtonTransfer::readButtons(int slot, ORVEX_PROFILE &record)
{
    QMutexLocker lock(&DeviceLink::commandLock());
    ORVEX_PROFILE read = record;
    for (int i = 0; i < ButtonCount; ++i) {
        ORVEX_DEBUG(QStringLiteral("currBtnIndex %1").arg(i));
        const auto button = readButton(read.btnInfo[i], slot, MemoryMap::getBtnIndexBy(i));
        if (!button)
            return false;
        ORVEX_DEBUG(QStringLiteral("FuncTableId %1").arg(button->FuncTableId));
        BTN_INFO result = *button;
        if (isMacro(result)) {
            // The header repeats the mode and count the button table holds;
            // the table's bytes are the ones kept.
            ORVEX_PROFILE scratch = read;
            if (!getMacroInfoFromDevice(slot, i, scratch))
                return false;
            result.MacroID = result.KeyBit[fwfunc::MacroIdParam];
        }
        result.FuncID = functionIdFor(result, read.btnInfo[i].FuncID);
        read.btnInfo[i] = result;
    }
    record = read;
    return true;
}

} // namespace orvex
