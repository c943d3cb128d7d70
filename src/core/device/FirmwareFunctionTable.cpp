// SPDX-License-Identifier: GPL-3.0-or-later
#include "device/FirmwareFunctionTable.h"

#include "platform/KeyCodeTable.h"

#include <QStringList>

#include <utility>

namespace orvex {

namespace {

using namespace fwfunc;

template <typename Value> struct Named
{
    const char *name;
    Value value;
};

constexpr Named<std::uint8_t> MouseButtons[] = {
    {"left", MouseLeft}, {"right", MouseRight},     {"middle", MouseMiddle},
    {"back", MouseBack}, {"forward", MouseForward},
};
constexpr Named<std::uint16_t> MediaKeys[] = {
    {"play-pause", MediaPlayPause},
    {"next", MediaNext},
    {"previous", MediaPrevious},
    {"stop", MediaStop},
    {"mute", MediaMute},
    {"volume-up", MediaVolumeUp},
    {"volume-down", MediaVolumeDown},
};
constexpr Named<std::uint8_t> DpiActions[] = {
    {"up", DpiUp}, {"down", DpiDown}, {"cycle", DpiCycle}};
constexpr Named<std::uint8_t> ProfileActions[] = {{"next", ProfileNext},
                                                  {"previous", ProfilePrevious}};
constexpr Named<std::uint8_t> WheelActions[] = {
    {"up", WheelUp}, {"down", WheelDown}, {"left", WheelLeft}, {"right", WheelRight}};
constexpr Named<std::uint8_t> ClassNames[] = {
    {"disabled", Disabled}, {"mouse", MouseButton}, {"key", Keyboard},
    {"media", Media},       {"dpi", Dpi},           {"profile", ProfileSwitch},
    {"macro", Macro},       {"wheel", Wheel},       {"config-app", ConfigApp},
    {"launcher", Launcher},
};

// HID usages of the modifier keys, in the bit order of the modifier byte.
constexpr std::uint8_t FirstModifierUsage = 0xE0;
constexpr std::uint8_t LastModifierUsage = 0xE7;

template <typename Value, std::size_t N>
std::optional<Value> lookUp(const Named<Value> (&table)[N], const QString &name)
{
    for (const auto &entry : table) {
        if (name == QLatin1String(entry.name))
            return entry.value;
    }
    return std::nullopt;
}

template <typename Value, std::size_t N> QString nameOf(const Named<Value> (&table)[N], Value value)
{
    for (const auto &entry : table) {
        if (entry.value == value)
            return QLatin1String(entry.name);
    }
    return QStringLiteral("0x%1").arg(value, 2, 16, QLatin1Char('0'));
}

QString keyName(std::uint8_t usage)
{
    const KeyCodeTable::Key *key = KeyCodeTable::byUsage(usage);
    if (!key)
        return QStringLiteral("usage 0x%1").arg(usage, 2, 16, QLatin1Char('0'));
    return QString::fromLatin1(key->displayName.data(), qsizetype(key->displayName.size()));
}

QString describeKeyboard(const FirmwareFunction &function)
{
    QStringList parts;
    for (int bit = 0; bit < 8; ++bit) {
        if (function.params[0] & (1 << bit))
            parts << keyName(std::uint8_t(FirstModifierUsage + bit));
    }
    for (int k = 1; k < 4; ++k) {
        if (function.params[size_t(k)] != 0 && function.params[size_t(k)] != NoKey)
            parts << keyName(function.params[size_t(k)]);
    }
    return parts.join(QLatin1Char('+'));
}

std::optional<FirmwareFunction> parseKeyboard(const QString &keys, QString *error)
{
    FirmwareFunction function{Keyboard, {0, NoKey, NoKey, NoKey}};
    int nextKey = 1;
    for (const QString &name : keys.split(QLatin1Char('+'))) {
        const KeyCodeTable::Key *key = KeyCodeTable::byName(name);
        if (!key) {
            *error = QStringLiteral("unknown key '%1'").arg(name);
            return std::nullopt;
        }
        if (key->usage >= FirstModifierUsage && key->usage <= LastModifierUsage) {
            function.params[0] |= std::uint8_t(1 << (key->usage - FirstModifierUsage));
        } else if (nextKey < 4) {
            function.params[size_t(nextKey++)] = key->usage;
        } else {
            *error = QStringLiteral("at most three keys besides modifiers: '%1'").arg(keys);
            return std::nullopt;
        }
    }
    return function;
}

template <typename Value, std::size_t N>
std::optional<FirmwareFunction> parseAction(std::uint8_t functionClass,
                                            const Named<Value> (&table)[N], const QString &name,
                                            QString *error)
{
    const auto value = lookUp(table, name);
    if (!value) {
        *error = QStringLiteral("unknown %1 function '%2'")
                     .arg(FirmwareFunctionTable::className(functionClass), name);
        return std::nullopt;
    }
    FirmwareFunction function{functionClass, {}};
    function.params[0] = std::uint8_t(*value & 0xFF);
    function.params[1] = std::uint8_t(*value >> 8);
    return function;
}

} // namespace

bool FirmwareFunctionTable::isKnownClass(std::uint8_t functionClass)
{
    for (const auto &entry : ClassNames) {
        if (entry.value == functionClass)
            return true;
    }
    return false;
}

QString FirmwareFunctionTable::className(std::uint8_t functionClass)
{
    for (const auto &entry : ClassNames) {
        if (entry.value == functionClass)
            return QLatin1String(entry.name);
    }
    return QStringLiteral("class %1").arg(functionClass);
}

QString FirmwareFunctionTable::describe(const FirmwareFunction &function)
{
    const auto &p = function.params;
    switch (function.functionClass) {
    case Disabled:
        return QStringLiteral("Disabled");
    case MouseButton:
        return QStringLiteral("Mouse button: %1").arg(nameOf(MouseButtons, p[0]));
    case Keyboard:
        return QStringLiteral("Key: %1").arg(describeKeyboard(function));
    case Media:
        return QStringLiteral("Media: %1").arg(nameOf(MediaKeys, std::uint16_t(p[0] | p[1] << 8)));
    case Dpi:
        return QStringLiteral("DPI: %1").arg(nameOf(DpiActions, p[0]));
    case ProfileSwitch:
        return QStringLiteral("Profile: %1").arg(nameOf(ProfileActions, p[0]));
    case Macro:
        return QStringLiteral("Macro %1 (repeat mode %2, count %3)").arg(p[2]).arg(p[0]).arg(p[1]);
    case Wheel:
        return QStringLiteral("Wheel: %1").arg(nameOf(WheelActions, p[0]));
    case ConfigApp:
        return QStringLiteral("Open the configuration application");
    case Launcher:
        return QStringLiteral("Launch an application");
    default:
        return QStringLiteral("Unknown function class %1").arg(function.functionClass);
    }
}

std::optional<FirmwareFunction> FirmwareFunctionTable::parse(const QString &text, QString *error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    const QString lower = text.trimmed().toLower();
    const qsizetype colon = lower.indexOf(QLatin1Char(':'));
    const QString kind = colon < 0 ? lower : lower.left(colon);
    const QString argument = colon < 0 ? QString() : lower.mid(colon + 1);

    if (kind == QLatin1String("disabled") && argument.isEmpty())
        return FirmwareFunction{Disabled, {}};
    if (kind == QLatin1String("config-app") && argument.isEmpty())
        return FirmwareFunction{ConfigApp, {}};
    if (kind == QLatin1String("launcher") && argument.isEmpty())
        return FirmwareFunction{Launcher, {}};
    if (kind == QLatin1String("key") && !argument.isEmpty())
        return parseKeyboard(argument, error);
    if (kind == QLatin1String("mouse"))
        return parseAction(MouseButton, MouseButtons, argument, error);
    if (kind == QLatin1String("media"))
        return parseAction(Media, MediaKeys, argument, error);
    if (kind == QLatin1String("dpi"))
        return parseAction(Dpi, DpiActions, argument, error);
    if (kind == QLatin1String("profile"))
        return parseAction(ProfileSwitch, ProfileActions, argument, error);
    if (kind == QLatin1String("wheel"))
        return parseAction(Wheel, WheelActions, argument, error);
    *error = QStringLiteral("unknown function '%1'").arg(text);
    return std::nullopt;
}

} // namespace orvex
