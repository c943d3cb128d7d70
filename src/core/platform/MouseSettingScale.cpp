// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/MouseSettingScale.h"

#include <algorithm>
#include <cmath>

namespace orvex {

namespace {
constexpr double SlowSteps = MouseSettingScale::PointerDefaultStep - MouseSettingScale::Min;
constexpr double FastSteps = MouseSettingScale::Max - MouseSettingScale::PointerDefaultStep;
} // namespace

int MouseSettingScale::clamp(int step)
{
    return std::clamp(step, Min, Max);
}

int MouseSettingScale::pointerSpeedToScale(double speed)
{
    if (std::isnan(speed))
        return PointerDefaultStep;
    const double limited = std::clamp(speed, -1.0, 1.0);
    const double steps = limited < 0 ? limited * SlowSteps : limited * FastSteps;
    return clamp(PointerDefaultStep + int(std::lround(steps)));
}

double MouseSettingScale::scaleToPointerSpeed(int step)
{
    const int offset = clamp(step) - PointerDefaultStep;
    return offset < 0 ? offset / SlowSteps : offset / FastSteps;
}

int MouseSettingScale::doubleClickToScale(double milliseconds)
{
    if (std::isnan(milliseconds))
        return Min;
    const double steps = (DoubleClickSlowestMs - milliseconds) / DoubleClickStepMs;
    return clamp(Min + int(std::lround(std::clamp(steps, -1.0, double(Max)))));
}

double MouseSettingScale::scaleToDoubleClick(int step)
{
    return DoubleClickSlowestMs - (clamp(step) - Min) * DoubleClickStepMs;
}

} // namespace orvex
