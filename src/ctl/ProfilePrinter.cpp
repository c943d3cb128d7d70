// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProfilePrinter.h"

#include "catalogue/Catalogue.h"
#include "device/FirmwareFunctionTable.h"
#include "device/MemoryMap.h"

#include <QJsonArray>
#include <QTextStream>

namespace orvex::ctl {

namespace {

const QString Off = QStringLiteral("off");

QString hexParams(const FirmwareFunction &function)
{
    QStringList bytes;
    for (std::uint8_t b : function.params)
        bytes << QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
    return bytes.join(QLatin1Char(' '));
}

} // namespace

QString ProfilePrinter::caption(const BTN_INFO &button)
{
    if (button.FuncTableId == fwfunc::Macro)
        return Catalogue::getMacroNameById(std::int32_t(button.MacroID));
    if (button.FuncTableId == fwfunc::Launcher)
        return QString::fromUtf8(button.app_path,
                                 qsizetype(qstrnlen(button.app_path, sizeof button.app_path)));
    const MenuInfoPtr entry = Catalogue::getSingleByBtnInfo(button);
    return entry ? entry->titleStr() : QString();
}

QString ProfilePrinter::describe(const BTN_INFO &button)
{
    return FirmwareFunctionTable::describe(MemoryMap::firmwareFunction(button));
}

QString ProfilePrinter::colourName(const ORVEX_PROFILE &profile, int zone)
{
    if (!profile.islightOnArr[zone])
        return Off;
    const std::uint32_t index = profile.lightColorIndexArr[zone];
    return index < PaletteColourCount ? QLatin1String(PaletteColourNames[index])
                                      : QStringLiteral("colour %1").arg(index);
}

QString ProfilePrinter::text(const Heading &heading, const ORVEX_PROFILE &profile)
{
    QString result;
    QTextStream out(&result);
    out << heading.title << '\n' << "  Buttons:\n";
    for (int i = 0; i < ButtonCount; ++i) {
        const BTN_INFO &button = profile.btnInfo[i];
        out << "    " << QString::fromLatin1(ButtonKeyNames[i]).leftJustified(12) << ' '
            << QStringLiteral("class %1").arg(button.FuncTableId, 3) << " ["
            << hexParams(MemoryMap::firmwareFunction(button)) << "]  " << describe(button);
        const QString name = caption(button);
        if (!name.isEmpty())
            out << "  \"" << name << '"';
        out << '\n';
    }
    out << "  Lighting: " << (profile.modeType == 1 ? "battle" : "normal");
    for (int zone = 0; zone < LedZoneCount; ++zone)
        out << ", zone " << zone + 1 << ' ' << colourName(profile, zone);
    out << "\n  DPI stages:";
    for (int stage = 0; stage < DpiStageCount; ++stage) {
        out << ' ' << (std::uint32_t(stage) == profile.currSelectDPI ? "*" : "")
            << profile.xSensArr[stage] * fwmem::DpiUnit << 'x'
            << profile.ySensArr[stage] * fwmem::DpiUnit;
    }
    out << "\n  Report rate: " << reportRateHz(int(profile.poRate)) << " Hz\n"
        << "  Lift-off: " << profile.liftHeight << '\n';
    return result;
}

QJsonObject ProfilePrinter::buttonJson(int index, const BTN_INFO &button)
{
    const FirmwareFunction function = MemoryMap::firmwareFunction(button);
    QJsonArray params;
    for (std::uint8_t b : function.params)
        params.append(int(b));
    return QJsonObject{{QStringLiteral("index"), index},
                       {QStringLiteral("button"), QLatin1String(ButtonKeyNames[index])},
                       {QStringLiteral("functionClass"), int(button.FuncTableId)},
                       {QStringLiteral("params"), params},
                       {QStringLiteral("functionId"), qint64(button.FuncID)},
                       {QStringLiteral("function"), describe(button)},
                       {QStringLiteral("caption"), caption(button)}};
}

QJsonObject ProfilePrinter::lightingJson(const ORVEX_PROFILE &profile)
{
    QJsonArray zones;
    for (int zone = 0; zone < LedZoneCount; ++zone) {
        zones.append(
            QJsonObject{{QStringLiteral("on"), profile.islightOnArr[zone] != 0},
                        {QStringLiteral("colour"), colourName(profile, zone)},
                        {QStringLiteral("colourIndex"), int(profile.lightColorIndexArr[zone])}});
    }
    return QJsonObject{{QStringLiteral("mode"), profile.modeType == 1 ? QStringLiteral("battle")
                                                                      : QStringLiteral("normal")},
                       {QStringLiteral("zones"), zones}};
}

QJsonObject ProfilePrinter::json(const Heading &heading, const ORVEX_PROFILE &profile)
{
    QJsonObject result = heading.fields;
    QJsonArray buttons;
    for (int i = 0; i < ButtonCount; ++i)
        buttons.append(buttonJson(i, profile.btnInfo[i]));
    QJsonArray stages;
    for (int stage = 0; stage < DpiStageCount; ++stage) {
        stages.append(
            QJsonObject{{QStringLiteral("x"), int(profile.xSensArr[stage] * fwmem::DpiUnit)},
                        {QStringLiteral("y"), int(profile.ySensArr[stage] * fwmem::DpiUnit)}});
    }
    result.insert(QStringLiteral("buttons"), buttons);
    result.insert(QStringLiteral("lighting"), lightingJson(profile));
    result.insert(QStringLiteral("dpi"), stages);
    result.insert(QStringLiteral("activeStage"), int(profile.currSelectDPI));
    result.insert(QStringLiteral("reportRateHz"), reportRateHz(int(profile.poRate)));
    result.insert(QStringLiteral("liftOff"), int(profile.liftHeight));
    return result;
}

} // namespace orvex::ctl
