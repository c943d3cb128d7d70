// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/KeyedArchivable.h"

#include <cstdint>
#include <memory>

namespace orvex {

class KeyedUnarchiver;

// One step of a macro. Archived as class "MacroKeyInfo" with the integer
// keys "keyCode", "keyFlag" and "delay".
class MacroKeyInfo : public KeyedArchivable
{
public:
    // Step kinds (keyFlag).
    enum Flag : std::int32_t
    {
        KeyPress = 0,
        KeyRelease = 1,
        Combination = 2, // keyCode is the functionID of a combination-menu entry
        MouseDown = 3,
        MouseUp = 4,
    };
    // keyCode of mouse-button steps.
    static constexpr std::int32_t MouseLeftCode = 120;
    static constexpr std::int32_t MouseRightCode = 121;
    static constexpr std::int32_t MouseMiddleCode = 122;

    MacroKeyInfo() = default;
    MacroKeyInfo(std::int32_t keyCode, std::int32_t keyFlag, std::int32_t delay)
        : keyCode(keyCode), keyFlag(keyFlag), delay(delay)
    {
    }

    // Key steps: the macOS virtual key code; mouse steps: MouseLeftCode ..
    // MouseMiddleCode; combination steps: the entry's functionID.
    std::int32_t keyCode = 0;
    std::int32_t keyFlag = KeyPress;
    // Pause after the step in milliseconds; 0 or less means none.
    std::int32_t delay = 0;

    bool operator==(const MacroKeyInfo &other) const
    {
        return keyCode == other.keyCode && keyFlag == other.keyFlag && delay == other.delay;
    }

    static constexpr char ArchiveClassName[] = "MacroKeyInfo";
    QStringList archiveClassNames() const override;
    void encodeWithCoder(KeyedArchiver &coder) const override;
    // The step an archived object holds; null when it is not a MacroKeyInfo.
    static std::shared_ptr<MacroKeyInfo> initWithCoder(const KeyedUnarchiver &coder);
};

using MacroKeyInfoPtr = std::shared_ptr<MacroKeyInfo>;

} // namespace orvex
