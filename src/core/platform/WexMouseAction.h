// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <memory>

namespace orvex {

class GSettingsKey;

// The operating system's mouse preferences on the performance page's 1..10
// scale. A setting is read from and written to the desktop's GSettings key
// where the desktop has one; otherwise it lives in a value store of our own
// (the preferences file), so the page works the same everywhere.
//
// Pointer acceleration is GNOME's pointer speed; double-click speed is the
// double-click time; GNOME has no scroll speed, so that one is always ours.
// Values are read live, so they follow changes made elsewhere.
class WexMouseAction
{
public:
    enum SettingType
    {
        Acceleration = 1,
        ScrollSpeed = 2,
        DoubleClickSpeed = 3,
    };

    static constexpr char MouseSchema[] = "org.gnome.desktop.peripherals.mouse";
    static constexpr char SpeedKey[] = "speed";
    static constexpr char DoubleClickKey[] = "double-click";

    WexMouseAction();
    ~WexMouseAction();
    WexMouseAction(const WexMouseAction &) = delete;
    WexMouseAction &operator=(const WexMouseAction &) = delete;

    // Takes part in startSynchronize(), resetDefault() and applyDefault().
    void addSettingItem(int type);
    // Records the current values of the registered settings as the reference.
    void startSynchronize();

    // The current value, 1..10; 0 for an unknown type.
    int getValueByType(int type) const;
    // Applies a value (limited to 1..10). A value equal to the current one
    // writes nothing, so the desktop's own value is never rounded away.
    void setValue(int value, int type);

    // Puts the registered settings back to the reference values.
    void resetDefault();
    // Makes the current values the new reference.
    void applyDefault();

    // Whether the setting reaches the desktop (false: kept in our own store).
    bool isSystemSetting(int type) const;

private:
    struct Item;
    Item *item(int type) const;
    double nativeValue(const Item &item) const;
    void setNativeValue(Item &item, double value);
    int toScale(const Item &item, double native) const;
    double fromScale(const Item &item, int step) const;

    static constexpr int TypeCount = 3;
    std::array<std::unique_ptr<Item>, TypeCount> m_items;
};

} // namespace orvex
