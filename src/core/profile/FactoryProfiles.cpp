// SPDX-License-Identifier: GPL-3.0-or-later
#include "profile/FactoryProfiles.h"

#include "device/FirmwareFunctionTable.h"
#include "device/MemoryMap.h"
#include "platform/WexLogger.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace orvex {

namespace {

constexpr char SourcePath[] = ":/orvex/factory-profiles.json";
constexpr int MaxDpiValue = 255 * fwmem::DpiUnit;

class SourceError
{
public:
    explicit SourceError(QString message) : text(std::move(message)) {}
    QString text;
};

void fillButtons(const QJsonObject &buttons, ORVEX_PROFILE &profile)
{
    for (int i = 0; i < ButtonCount; ++i) {
        const QString key = QLatin1String(ButtonKeyNames[i]);
        QString error;
        const auto function = FirmwareFunctionTable::parse(buttons.value(key).toString(), &error);
        if (!function)
            throw SourceError(QStringLiteral("button %1: %2").arg(key, error));
        BTN_INFO &button = profile.btnInfo[i];
        button.FuncTableId = function->functionClass;
        button.btnType = std::uint32_t(MemoryMap::getBtnTypePro(function->functionClass));
        for (int k = 0; k < 4; ++k)
            button.KeyBit[k] = function->params[size_t(k)];
    }
}

void fillLighting(const QJsonObject &lighting, ORVEX_PROFILE &profile)
{
    const QString mode = lighting.value(QLatin1String("mode")).toString();
    if (mode != QLatin1String("normal") && mode != QLatin1String("battle"))
        throw SourceError(QStringLiteral("lighting mode '%1'").arg(mode));
    profile.modeType = mode == QLatin1String("battle") ? 1 : 0;
    const QJsonArray zones = lighting.value(QLatin1String("zones")).toArray();
    if (zones.size() != LedZoneCount)
        throw SourceError(QStringLiteral("lighting needs %1 zones").arg(LedZoneCount));
    for (int z = 0; z < LedZoneCount; ++z) {
        const QString colour = zones[z].toString();
        profile.islightOnArr[z] = colour == QLatin1String("off") ? 0 : 1;
        if (!profile.islightOnArr[z])
            continue;
        int index = -1;
        for (int c = 0; c < PaletteColourCount; ++c) {
            if (colour == QLatin1String(PaletteColourNames[c]))
                index = c;
        }
        if (index < 0)
            throw SourceError(QStringLiteral("unknown colour '%1'").arg(colour));
        profile.lightColorIndexArr[z] = std::uint32_t(index);
    }
}

std::uint32_t dpiCode(const QJsonValue &value)
{
    const int dpi = value.toInt(-1);
    if (dpi < fwmem::DpiUnit || dpi > MaxDpiValue || dpi % fwmem::DpiUnit != 0)
        throw SourceError(QStringLiteral("DPI %1 is not a multiple of 50 in 50..12750").arg(dpi));
    return std::uint32_t(dpi / fwmem::DpiUnit);
}

void fillPerformance(const QJsonObject &source, ORVEX_PROFILE &profile)
{
    const QJsonArray stages = source.value(QLatin1String("dpi")).toArray();
    if (stages.size() != DpiStageCount)
        throw SourceError(QStringLiteral("dpi needs %1 stages").arg(DpiStageCount));
    for (int s = 0; s < DpiStageCount; ++s) {
        const QJsonArray xy = stages[s].toArray();
        profile.xSensArr[s] = dpiCode(xy.at(0));
        profile.ySensArr[s] = dpiCode(xy.at(1));
    }
    const int stage = source.value(QLatin1String("activeStage")).toInt(-1);
    if (stage < 0 || stage >= DpiStageCount)
        throw SourceError(QStringLiteral("active stage %1").arg(stage));
    profile.currSelectDPI = std::uint32_t(stage);

    const int rate = source.value(QLatin1String("rate")).toInt();
    int code = -1;
    for (int c = 0; c < 4; ++c) {
        if (reportRateHz(c) == rate)
            code = c;
    }
    if (code < 0)
        throw SourceError(QStringLiteral("report rate %1 Hz").arg(rate));
    profile.poRate = std::uint32_t(code);

    const int lift = source.value(QLatin1String("liftOff")).toInt(-1);
    if (lift < 0 || lift > fwmem::LiftOffMask)
        throw SourceError(QStringLiteral("lift-off %1").arg(lift));
    profile.liftHeight = std::uint32_t(lift);
}

FactoryProfile parseProfile(const QJsonObject &source)
{
    FactoryProfile result;
    result.slot = source.value(QLatin1String("slot")).toInt();
    result.name = source.value(QLatin1String("name")).toString();
    if (result.name.isEmpty() || result.name.size() > fwmem::NameMaxLength ||
        result.name.toLatin1() != result.name.toUtf8())
        throw SourceError(
            QStringLiteral("name '%1' must be 1..32 ASCII characters").arg(result.name));
    fillButtons(source.value(QLatin1String("buttons")).toObject(), result.profile);
    fillLighting(source.value(QLatin1String("lighting")).toObject(), result.profile);
    fillPerformance(source, result.profile);
    return result;
}

} // namespace

QList<FactoryProfile> FactoryProfiles::parse(const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    const QJsonArray profiles = document.object().value(QLatin1String("profiles")).toArray();
    QList<FactoryProfile> result;
    try {
        if (document.isNull())
            throw SourceError(parseError.errorString());
        if (profiles.size() != FirmwareSlotCount)
            throw SourceError(
                QStringLiteral("%1 profiles, not %2").arg(profiles.size()).arg(FirmwareSlotCount));
        for (int i = 0; i < profiles.size(); ++i) {
            FactoryProfile profile = parseProfile(profiles[i].toObject());
            if (profile.slot != i + 1)
                throw SourceError(
                    QStringLiteral("profile %1 has slot %2").arg(i + 1).arg(profile.slot));
            result.append(profile);
        }
    } catch (const SourceError &failure) {
        if (error)
            *error = failure.text;
        return {};
    }
    return result;
}

QList<FactoryProfile> FactoryProfiles::load()
{
    QFile source{QLatin1String(SourcePath)};
    if (!source.open(QIODevice::ReadOnly)) {
        ORVEX_ERROR(QStringLiteral("factory profiles missing from the build"));
        return {};
    }
    QString error;
    QList<FactoryProfile> profiles = parse(source.readAll(), &error);
    if (profiles.isEmpty())
        ORVEX_ERROR(QStringLiteral("factory profiles: %1").arg(error));
    return profiles;
}

} // namespace orvex
