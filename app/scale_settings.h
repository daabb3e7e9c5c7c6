// Qt's scale settings from the environment, QT_SCALE_FACTOR and QT_SCREEN_SCALE_FACTORS ("2",
// "1.5;2", "HDMI-1=1.5;DP-2=2"), where Qt takes any number, zero, negative, infinite or not a
// number at all, and lays the windows out from it.
#pragma once

#include <QStringList>

namespace startup {

// The scales a setting may give: from a quarter of the size to eight times it.
inline constexpr double kSmallestScale = 0.25;
inline constexpr double kLargestScale = 8.0;

// Takes each setting that gives a scale outside that range, or something else than a number,
// away before Qt reads it, so that the windows start as without it; says so in a warning line for
// each, which it returns.
QStringList DropUnusableScaleSettings();

}  // namespace startup
