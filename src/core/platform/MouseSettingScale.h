// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace orvex {

// The 1..10 scale of the performance page and the desktop's own units.
// Each mapping puts the desktop's default on a step of its own, so reading
// the default and writing it back changes nothing.
class MouseSettingScale
{
public:
    static constexpr int Min = 1;
    static constexpr int Max = 10;

    // Pointer speed (GSettings "speed", libinput's -1..1, 0 = desktop
    // default): 1..5 cover -1..0 in quarters, 5..10 cover 0..1 in fifths.
    static constexpr int PointerDefaultStep = 5;
    static int pointerSpeedToScale(double speed);
    static double scaleToPointerSpeed(int step);

    // Double-click time in milliseconds: 1 = 1000 ms (slowest) .. 10 = 100 ms
    // (fastest), 100 ms a step; the desktop default of 400 ms is step 7.
    static constexpr int DoubleClickSlowestMs = 1000;
    static constexpr int DoubleClickStepMs = 100;
    static int doubleClickToScale(double milliseconds);
    static double scaleToDoubleClick(int step);

    // Settings the desktop does not have are kept on the scale itself;
    // they start in the middle.
    static constexpr int StoredDefaultStep = 5;

    static int clamp(int step);
};

} // namespace orvex
