// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/SettingsTransfer.h"

#include "device/DeviceLink.h"
#include "device/FirmwareName.h"
#include "device/MemoryMap.h"
#include "device/WritePlan.h"
#include "platform/WexLogger.h"

#include <QMutexLocker>

#include <array>

namespace orvex {

namespace {

constexpr int RateCodeShift = 3;
constexpr std::uint8_t RateCodeMask = 0x03;
constexpr std::uint8_t StageMask = 0x07;

std::uint16_t inBlock(int slot, std::uint16_t profile0Address)
{
    return MemoryMap::getOffsetAdrBy(profile0Address, slot);
}

std::uint16_t zoneAddress(int slot, int zone)
{
    return std::uint16_t(inBlock(slot, fwmem::LedZones) + (zone + 1) % fwmem::LedZoneCount);
}

std::uint16_t nameSlot(int slot)
{
    return std::uint16_t(fwmem::NameSlots + fwmem::NameSlotSize * slot);
}

std::uint8_t performanceByte(const ORVEX_PROFILE &profile)
{
    return std::uint8_t(fwmem::PerformanceMark | ((3 - int(profile.poRate)) * 8) |
                        int(profile.currSelectDPI));
}

// Reads every address or nothing.
template <std::size_t N>
std::optional<std::array<std::uint8_t, N>> readAll(const std::array<std::uint16_t, N> &addresses)
{
    std::array<std::uint8_t, N> bytes{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto value = DeviceLink::readByteChecked(addresses[i]);
        if (!value)
            return std::nullopt;
        bytes[i] = *value;
    }
    return bytes;
}

} // namespace

WritePlan SettingsTransfer::planLighting(int slot, const ORVEX_PROFILE &record)
{
    WritePlan plan;
    const std::uint8_t modeBits = record.modeType == 1 ? fwmem::LedBattle : fwmem::LedNormal;
    for (int zone = 0; zone < fwmem::LedZoneCount; ++zone) {
        std::uint8_t value = fwmem::LedOff;
        if (record.islightOnArr[zone] != 0)
            value = std::uint8_t(
                MemoryMap::getColorIndex(int(record.lightColorIndexArr[zone]) + 1) | modeBits);
        plan.add(zoneAddress(slot, zone), value);
    }
    return plan;
}

bool SettingsTransfer::writeLighting(int slot, const ORVEX_PROFILE &record)
{
    QMutexLocker lock(&DeviceLink::commandLock());
    return DeviceLink::finishWrites(planLighting(slot, record).send());
}

bool SettingsTransfer::readLighting(int slot, ORVEX_PROFILE &record)
{
    QMutexLocker lock(&DeviceLink::commandLock());
    const auto zones =
        readAll<3>({zoneAddress(slot, 0), zoneAddress(slot, 1), zoneAddress(slot, 2)});
    if (!zones)
        return false;
    int mode = 0;
    for (int zone = 0; zone < fwmem::LedZoneCount; ++zone) {
        const std::uint8_t b = (*zones)[size_t(zone)];
        const std::uint8_t modeBits = b & fwmem::LedModeMask;
        if (modeBits == 0) {
            record.islightOnArr[zone] = 0;
            continue;
        }
        record.islightOnArr[zone] = 1;
        if (modeBits == fwmem::LedBattle)
            mode = 1;
        else if (modeBits == fwmem::LedNormal)
            mode = 0;
        ORVEX_DEBUG(QStringLiteral("Profile=%1  Color=%2").arg(slot).arg(b & fwmem::LedColourMask));
        const int paletteIndexPlusOne = MemoryMap::getColorIndex2(b & fwmem::LedColourMask);
        record.lightColorIndexArr[zone] =
            paletteIndexPlusOne > 0 ? std::uint32_t(paletteIndexPlusOne - 1) : 0;
    }
    record.modeType = std::uint32_t(mode);
    return true;
}

WritePlan SettingsTransfer::planPerformance(int slot, const ORVEX_PROFILE &record)
{
    WritePlan plan;
    plan.add(inBlock(slot, fwmem::Performance), performanceByte(record));
    for (int stage = 0; stage < fwmem::DpiStageCount; ++stage)
        plan.add(std::uint16_t(inBlock(slot, fwmem::DpiX) + stage),
                 std::uint8_t(record.xSensArr[stage]));
    for (int stage = 0; stage < fwmem::DpiStageCount; ++stage)
        plan.add(std::uint16_t(inBlock(slot, fwmem::DpiY) + stage),
                 std::uint8_t(record.ySensArr[stage]));
    plan.add(fwmem::LiftOff, std::uint8_t(fwmem::LiftOffMark | record.liftHeight));
    return plan;
}

bool SettingsTransfer::writePerformance(int slot, const ORVEX_PROFILE &record)
{
    QMutexLocker lock(&DeviceLink::commandLock());
    return DeviceLink::finishWrites(planPerformance(slot, record).send());
}

bool SettingsTransfer::writeDpiStage(int slot, const ORVEX_PROFILE &record)
{
    QMutexLocker lock(&DeviceLink::commandLock());
    return DeviceLink::finishWrites(
        DeviceLink::writeByteChecked(inBlock(slot, fwmem::Performance), performanceByte(record)));
}

bool SettingsTransfer::readPerformance(int slot, ORVEX_PROFILE &record)
{
    QMutexLocker lock(&DeviceLink::commandLock());
    std::array<std::uint16_t, 10> addresses{};
    addresses[0] = inBlock(slot, fwmem::Performance);
    for (int stage = 0; stage < fwmem::DpiStageCount; ++stage) {
        addresses[size_t(1 + stage)] = std::uint16_t(inBlock(slot, fwmem::DpiX) + stage);
        addresses[size_t(5 + stage)] = std::uint16_t(inBlock(slot, fwmem::DpiY) + stage);
    }
    addresses[9] = fwmem::LiftOff;
    const auto bytes = readAll(addresses);
    if (!bytes)
        return false;
    const std::uint8_t performance = (*bytes)[0];
    record.poRate = std::uint32_t(3 - ((performance >> RateCodeShift) & RateCodeMask));
    record.currSelectDPI = performance & StageMask;
    for (int stage = 0; stage < fwmem::DpiStageCount; ++stage) {
        record.xSensArr[stage] = (*bytes)[size_t(1 + stage)];
        record.ySensArr[stage] = (*bytes)[size_t(5 + stage)];
    }
    record.liftHeight = (*bytes)[9] & fwmem::LiftOffMask;
    return true;
}

WritePlan SettingsTransfer::planName(int slot, const QString &name)
{
    WritePlan plan;
    const QByteArray text = FirmwareName::encode(name);
    const std::uint16_t base = nameSlot(slot);
    plan.add(base, std::uint8_t(text.size()));
    for (qsizetype k = 0; k < text.size(); ++k)
        plan.add(std::uint16_t(base + 1 + 2 * k), std::uint8_t(text[k]));
    return plan;
}

bool SettingsTransfer::writeName(int slot, const QString &name)
{
    QMutexLocker lock(&DeviceLink::commandLock());
    return planName(slot, name).send();
}

std::optional<QString> SettingsTransfer::readName(int slot)
{
    QMutexLocker lock(&DeviceLink::commandLock());
    const std::uint16_t base = nameSlot(slot);
    const auto length = DeviceLink::readByteChecked(base);
    if (!length)
        return std::nullopt;
    // A length past the slot can only be garbage; read no further than the slot holds.
    const int count = std::min<int>(*length, fwmem::NameMaxLength);
    QByteArray text;
    for (int k = 0; k < count; ++k) {
        const auto character = DeviceLink::readByteChecked(std::uint16_t(base + 1 + 2 * k));
        if (!character)
            return std::nullopt;
        text += char(*character);
    }
    const QString name = QString::fromLatin1(text);
    if (count > 0)
        ORVEX_DEBUG(QStringLiteral("resultStr=%1").arg(name));
    return name;
}

int SettingsTransfer::getFWProfile()
{
    return DeviceLink::getAdrrDataWithAddr(fwmem::ActiveProfile) & fwmem::ActiveProfileMask;
}

} // namespace orvex
