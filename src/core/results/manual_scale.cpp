#include "results/manual_scale.h"

#include <algorithm>
#include <cmath>

#include "results/plot_state.h"
#include "support/messenger.h"

namespace kortiv {
namespace {

// A logarithmic axis typed by hand spans at most this many decades.
constexpr double kMostDecades = 30;

bool Valid(const ScaleLimits& limits) {
  return std::isfinite(limits.min) && std::isfinite(limits.max) && limits.max > limits.min;
}

int StepsOf(const ScaleLimits& limits) {
  return std::max(limits.steps, 1);
}

void CopyAxis(const AxisTicks& from, AxisTicks& to) {
  EnsureTickRoom(to, from.count + 1);
  to.count = from.count;
  to.exponent = from.exponent;
  std::copy_n(from.ticks.begin(), from.count + 1, to.ticks.begin());
}

void SpreadLinear(double low, double high, int steps, AxisTicks& axis) {
  EnsureTickRoom(axis, steps + 1);
  axis.count = steps;
  axis.exponent = 0;
  for (int i = 0; i <= steps; ++i) {
    axis.ticks[static_cast<std::size_t>(i)] = EvenTick(low, high, i, steps);
  }
  axis.ticks[static_cast<std::size_t>(steps)] = static_cast<float>(high);
}

// Ticks at d + lg(10 j / steps) for j = 1..10 of every decade d from the
// one of the lower limit: with 10 steps the multipliers 1, 2, ..., 10. A
// tick is taken when it rises above the last one taken and stays below the
// upper limit.
void SpreadLogarithmic(double low, double high, int steps, AxisTicks& axis) {
  const double decades = std::max(std::ceil(high) - std::floor(low), 1.0);
  EnsureTickRoom(axis, static_cast<int>(std::lround((decades + 0.01) * steps)) + 1);
  std::vector<float>& ticks = axis.ticks;
  std::size_t k = 0;
  ticks[k++] = static_cast<float>(low);
  double decade = std::floor(low);
  for (double v = low; v < high; decade += 1) {
    for (int j = 1; j <= 10 && v < high; ++j) {
      v = decade + std::log10(10.0 * j / steps);
      const float tick = static_cast<float>(v);
      if (tick > ticks[k - 1] && v < high) {
        if (k + 1 >= ticks.size()) ticks.resize(k + 2);
        ticks[k++] = tick;
      }
    }
  }
  ticks[k] = static_cast<float>(high);
  axis.count = static_cast<int>(k);
  axis.exponent = 0;
}

bool ApplyHorizontal(PlotState& state, const ScaleLimits& limits, Messenger& messenger) {
  if (!state.manual_x) {
    CopyAxis(state.auto_axes.x, state.axes.x);
    return true;
  }
  const bool too_wide = state.log_frequency_axis && limits.max - limits.min > kMostDecades;
  if (!Valid(limits) || too_wide) {
    messenger.Show(kWrongHorizontalLimitsText);
    return false;
  }
  if (state.log_frequency_axis) {
    SpreadLogarithmic(limits.min, limits.max, StepsOf(limits), state.axes.x);
  } else {
    SpreadLinear(limits.min, limits.max, StepsOf(limits), state.axes.x);
  }
  return true;
}

bool ApplyVertical(PlotState& state, const ScaleLimits& limits, Messenger& messenger) {
  if (!state.manual_y) {
    for (int a = 0; a < 2; ++a) CopyAxis(state.auto_axes.y[a], state.axes.y[a]);
    return true;
  }
  if (!Valid(limits)) {
    messenger.Show(kWrongVerticalLimitsText);
    return false;
  }
  const int a0 = state.first_axis;
  const int a1 = state.last_axis;
  const int steps = StepsOf(limits);
  SpreadLinear(limits.min, limits.max, steps, state.axes.y[a0]);
  if (a0 < a1) {
    // The phase axis keeps the automatic relation between the two axes.
    const AxisTicks& t0 = state.auto_axes.y[a0];
    const AxisTicks& t1 = state.auto_axes.y[a1];
    const double s0 = std::pow(10.0, t0.exponent);
    const double s1 = std::pow(10.0, t1.exponent);
    const double k = (s1 / s0) * (static_cast<double>(t1.Last()) - t1.First()) /
                     (static_cast<double>(t0.Last()) - t0.First());
    const double low = s1 * t1.First() + (limits.min - s0 * t0.First()) * k;
    const double high = s1 * t1.First() + (limits.max - s0 * t0.First()) * k;
    SpreadLinear(low, high, steps, state.axes.y[a1]);
  }
  return true;
}

}  // namespace

ScaleLimits LimitsOf(const AxisTicks& axis) {
  const double power = std::pow(10.0, axis.exponent);
  return {axis.First() * power, axis.Last() * power, axis.count};
}

bool ApplyManualScales(PlotState& state, const ManualLimits& limits, Messenger& messenger) {
  return ApplyHorizontal(state, limits.horizontal, messenger) &&
         ApplyVertical(state, limits.vertical, messenger);
}

}  // namespace kortiv
