// SPDX-License-Identifier: GPL-3.0-or-later
#include "FactoryImage.h"

#include "FirmwareReports.h"

#include "device/MemoryMap.h"
#include "platform/WexLogger.h"

#include <array>

namespace orvex::sim {

namespace {

using namespace fwreport;

// Profile button index (the record's order) -> firmware button slot.
constexpr std::array<int, ButtonCount> FirmwareSlotOfButton = {0, 2, 1, 4, 3, 8, 7, 5, 6, 9, 10};
// Palette index (lightColorIndexArr) -> firmware colour code.
constexpr std::array<std::uint8_t, 7> ColourCodeOfPalette = {1, 5, 4, 6, 7, 3, 2};
constexpr int MaxPoRate = 3;
constexpr char UnrepresentableCharacter = '?';
constexpr int NameCharacterStride = 2;

void put(QByteArray &image, int at, unsigned value)
{
    image[at] = char(std::uint8_t(value));
}

} // namespace

QByteArray FactoryImage::build()
{
    const QList<FactoryProfile> profiles = FactoryProfiles::load();
    if (profiles.size() != fwmem::ProfileCount)
        ORVEX_ERROR(QStringLiteral("factory profiles unavailable (%1 of %2); the factory image is "
                                   "incomplete")
                        .arg(profiles.size())
                        .arg(fwmem::ProfileCount));
    return encode(profiles);
}

QByteArray FactoryImage::encode(const QList<FactoryProfile> &profiles)
{
    QByteArray image(fwmem::Size, '\0');
    put(image, fwmem::ActiveProfile, fwmem::ActiveProfileMark | 0);
    for (const FactoryProfile &profile : profiles) {
        const int firmwareProfile = profile.slot - 1;
        if (firmwareProfile < 0 || firmwareProfile >= fwmem::ProfileCount) {
            ORVEX_WARNING(QStringLiteral("factory profile '%1' has no slot %2")
                              .arg(profile.name)
                              .arg(profile.slot));
            continue;
        }
        encodeProfile(image, firmwareProfile, profile);
    }
    if (!profiles.isEmpty())
        put(image, fwmem::LiftOff,
            fwmem::LiftOffMark | (profiles.first().profile.liftHeight & fwmem::LiftOffMask));
    return image;
}

void FactoryImage::encodeProfile(QByteArray &image, int firmwareProfile,
                                 const FactoryProfile &profile)
{
    encodePerformance(image, firmwareProfile, profile.profile);
    encodeLighting(image, firmwareProfile, profile.profile);
    encodeButtons(image, firmwareProfile, profile.profile);
    encodeName(image, firmwareProfile, profile.name);
}

// Performance byte 0x80 | (3 - poRate) << 3 | stage, then the DPI stages in
// units of 50 DPI, X at +1..+4 and Y at +6..+9.
void FactoryImage::encodePerformance(QByteArray &image, int firmwareProfile,
                                     const ORVEX_PROFILE &profile)
{
    const unsigned rateCode =
        (MaxPoRate - qMin<unsigned>(profile.poRate, MaxPoRate)) & RateCodeMask;
    const unsigned stage = qMin<unsigned>(profile.currSelectDPI, fwmem::DpiStageCount - 1);
    put(image, profileAddress(fwmem::Performance, firmwareProfile),
        fwmem::PerformanceMark | (rateCode << RateShift) | stage);
    for (int s = 0; s < fwmem::DpiStageCount; ++s) {
        put(image, profileAddress(fwmem::DpiX + s, firmwareProfile), profile.xSensArr[s]);
        put(image, profileAddress(fwmem::DpiY + s, firmwareProfile), profile.ySensArr[s]);
    }
}

// Zone i at +11 + (i + 1) % 3: 0 when off, else the mode bits (0x10 normal,
// 0x30 battle) with the firmware colour code.
void FactoryImage::encodeLighting(QByteArray &image, int firmwareProfile,
                                  const ORVEX_PROFILE &profile)
{
    const std::uint8_t mode = profile.modeType == 1 ? fwmem::LedBattle : fwmem::LedNormal;
    for (int zone = 0; zone < fwmem::LedZoneCount; ++zone) {
        const unsigned palette = profile.lightColorIndexArr[zone];
        std::uint8_t value = fwmem::LedOff;
        if (profile.islightOnArr[zone] && palette < ColourCodeOfPalette.size())
            value = mode | ColourCodeOfPalette[palette];
        const int zoneOffset = (zone + 1) % fwmem::LedZoneCount;
        put(image, profileAddress(fwmem::LedZones + zoneOffset, firmwareProfile), value);
    }
}

// Class byte of slot s at +14 + s, parameter k at +25 + 4s + k.
void FactoryImage::encodeButtons(QByteArray &image, int firmwareProfile,
                                 const ORVEX_PROFILE &profile)
{
    for (int button = 0; button < ButtonCount; ++button) {
        const BTN_INFO &info = profile.btnInfo[button];
        const int slot = FirmwareSlotOfButton[std::size_t(button)];
        put(image, profileAddress(fwmem::ButtonClass + slot, firmwareProfile), info.FuncTableId);
        for (int k = 0; k < fwmem::ButtonParamCount; ++k)
            put(image,
                profileAddress(fwmem::ButtonParams + fwmem::ButtonParamCount * slot + k,
                               firmwareProfile),
                info.KeyBit[k]);
    }
}

// Length at +0 of the 64-byte slot, ASCII characters at +1, +3, +5, ...
void FactoryImage::encodeName(QByteArray &image, int firmwareProfile, const QString &name)
{
    const QString text = name.left(fwmem::NameMaxLength);
    const int slot = fwmem::NameSlots + fwmem::NameSlotSize * firmwareProfile;
    put(image, slot, unsigned(text.size()));
    for (int i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        put(image, slot + 1 + NameCharacterStride * i, c < 0x80 ? c : UnrepresentableCharacter);
    }
}

} // namespace orvex::sim
