#include "results/plot_axes.h"

#include <algorithm>
#include <cmath>

namespace kortiv {
namespace {

AxisTicks FreshCopy(const AxisTicks& from, int room) {
  AxisTicks axis;
  axis.count = from.count;
  axis.exponent = from.exponent;
  axis.ticks.assign(static_cast<std::size_t>(std::max(room, from.count + 1)), 0.0f);
  std::copy_n(from.ticks.begin(), from.count + 1, axis.ticks.begin());
  return axis;
}

}  // namespace

void EnsureTickRoom(AxisTicks& axis, int values) {
  if (static_cast<int>(axis.ticks.size()) < values) {
    axis.ticks.resize(static_cast<std::size_t>(values), 0.0f);
  }
}

float EvenTick(long double low, long double high, int i, int count) {
  const long double tick = i * (high - low) / count + low;
  return std::fabs(tick) < 1e-6L * std::fabs(high - low) / count ? 0.0f : static_cast<float>(tick);
}

PlotAxes FreshAxesFrom(const PlotAxes& automatic) {
  PlotAxes axes;
  axes.x = FreshCopy(automatic.x, kHorizontalTickRoom);
  for (int a = 0; a < 2; ++a) axes.y[a] = FreshCopy(automatic.y[a], kVerticalTickRoom);
  return axes;
}

}  // namespace kortiv
