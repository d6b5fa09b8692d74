#pragma once

#include <string_view>

namespace kortiv {

class Messenger;
struct AxisTicks;
struct PlotState;

inline constexpr std::string_view kWrongHorizontalLimitsText =
    "Неверно заданы пределы по горизонтали";
inline constexpr std::string_view kWrongVerticalLimitsText = "Неверно заданы пределы по вертикали";

// Limits of an axis as the settings dialog shows and takes them: real values
// (mantissa times the power of ten) and the number of grid steps.
struct ScaleLimits {
  double min = 0;
  double max = 0;
  int steps = 1;
};

// The limits an axis shows: its first and last tick with their power of ten.
ScaleLimits LimitsOf(const AxisTicks& axis);

// The limits typed for the two directions of the plot.
struct ManualLimits {
  ScaleLimits horizontal;
  ScaleLimits vertical;
};

// Sets the drawn axes from the settings dialog: each direction whose manual
// flag (state.manual_x, state.manual_y) is off gets its automatic axes back;
// each direction whose flag is on is spread evenly over the typed limits
// (a logarithmic frequency axis over 1 2 3 ... 9 of every decade when the
// steps are 10). When amplitudes and phases share the picture, the phase
// axis follows the typed amplitude limits so that the grid serves both.
// Limits whose maximum is not above their minimum are reported, the
// horizontal direction first, and stop the setting there: false.
bool ApplyManualScales(PlotState& state, const ManualLimits& limits, Messenger& messenger);

}  // namespace kortiv
