// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/WexMouseAction.h"

#include "platform/GSettingsKey.h"
#include "platform/MouseSettingScale.h"
#include "platform/PreferencesFile.h"
#include "platform/WexLogger.h"

#include <optional>

namespace orvex {

namespace {
// Keys of our own store in the preferences file, by setting type - 1.
constexpr const char *StoreKeys[] = {"MouseSettings/Acceleration", "MouseSettings/ScrollSpeed",
                                     "MouseSettings/DoubleClickSpeed"};
} // namespace

struct WexMouseAction::Item
{
    int type = 0;
    std::unique_ptr<GSettingsKey> systemKey; // null: kept in our own store
    bool registered = false;
    std::optional<double> reference; // in the setting's own unit
};

WexMouseAction::WexMouseAction()
{
    for (int type = Acceleration; type <= DoubleClickSpeed; ++type) {
        auto entry = std::make_unique<Item>();
        entry->type = type;
        const QString schema = QLatin1String(MouseSchema);
        if (type == Acceleration)
            entry->systemKey = GSettingsKey::open(schema, QLatin1String(SpeedKey));
        else if (type == DoubleClickSpeed)
            entry->systemKey = GSettingsKey::open(schema, QLatin1String(DoubleClickKey));
        ORVEX_DEBUG(
            QStringLiteral("mouse setting %1: %2")
                .arg(type)
                .arg(entry->systemKey ? entry->systemKey->name() : QStringLiteral("own store")));
        m_items[std::size_t(type - 1)] = std::move(entry);
    }
}

WexMouseAction::~WexMouseAction() = default;

WexMouseAction::Item *WexMouseAction::item(int type) const
{
    if (type < Acceleration || type > DoubleClickSpeed)
        return nullptr;
    return m_items[std::size_t(type - 1)].get();
}

bool WexMouseAction::isSystemSetting(int type) const
{
    const Item *entry = item(type);
    return entry && entry->systemKey;
}

double WexMouseAction::nativeValue(const Item &entry) const
{
    if (entry.systemKey)
        return entry.systemKey->value();
    const std::optional<int> stored =
        PreferencesFile::intValue(QLatin1String(StoreKeys[entry.type - 1]));
    return MouseSettingScale::clamp(stored.value_or(MouseSettingScale::StoredDefaultStep));
}

void WexMouseAction::setNativeValue(Item &entry, double value)
{
    if (entry.systemKey)
        entry.systemKey->setValue(value);
    else
        PreferencesFile::setIntValue(QLatin1String(StoreKeys[entry.type - 1]), int(value));
}

int WexMouseAction::toScale(const Item &entry, double native) const
{
    if (!entry.systemKey)
        return MouseSettingScale::clamp(int(native));
    if (entry.type == DoubleClickSpeed)
        return MouseSettingScale::doubleClickToScale(native);
    return MouseSettingScale::pointerSpeedToScale(native);
}

double WexMouseAction::fromScale(const Item &entry, int step) const
{
    if (!entry.systemKey)
        return MouseSettingScale::clamp(step);
    if (entry.type == DoubleClickSpeed)
        return MouseSettingScale::scaleToDoubleClick(step);
    return MouseSettingScale::scaleToPointerSpeed(step);
}

void WexMouseAction::addSettingItem(int type)
{
    if (Item *entry = item(type))
        entry->registered = true;
    else
        ORVEX_WARNING(QStringLiteral("unknown mouse setting type %1").arg(type));
}

void WexMouseAction::startSynchronize()
{
    applyDefault();
}

int WexMouseAction::getValueByType(int type) const
{
    const Item *entry = item(type);
    return entry ? toScale(*entry, nativeValue(*entry)) : 0;
}

void WexMouseAction::setValue(int value, int type)
{
    Item *entry = item(type);
    if (!entry)
        return;
    const int step = MouseSettingScale::clamp(value);
    if (toScale(*entry, nativeValue(*entry)) != step)
        setNativeValue(*entry, fromScale(*entry, step));
}

void WexMouseAction::resetDefault()
{
    for (const auto &entry : m_items) {
        if (entry->registered && entry->reference && nativeValue(*entry) != *entry->reference)
            setNativeValue(*entry, *entry->reference);
    }
}

void WexMouseAction::applyDefault()
{
    for (const auto &entry : m_items) {
        if (entry->registered)
            entry->reference = nativeValue(*entry);
    }
}

} // namespace orvex
