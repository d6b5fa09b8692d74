#pragma once

#include <array>
#include <vector>

namespace kortiv {

// One axis of a plot: `count` intervals between the ticks ticks[0..count],
// which are mantissas: the value of tick i is ticks[i] * 10^exponent. The
// array may have room for more ticks than the axis uses.
struct AxisTicks {
  int count = 10;
  int exponent = 0;
  std::vector<float> ticks = std::vector<float>(11, 0.0f);

  float First() const { return ticks[0]; }
  float Last() const { return ticks[static_cast<std::size_t>(count)]; }
};

// The horizontal axis and the two vertical axes of a plot: vertical axis 0
// carries values or amplitudes, axis 1 phases.
struct PlotAxes {
  AxisTicks x;
  std::array<AxisTicks, 2> y;
};

// Room of a freshly made tick array: 17 ticks on the horizontal axis, 12 on
// each vertical axis.
inline constexpr int kHorizontalTickRoom = 17;
inline constexpr int kVerticalTickRoom = 12;

// Makes sure the axis has room for `values` ticks, keeping those it has.
void EnsureTickRoom(AxisTicks& axis, int values);

// Tick i of `count` even steps from low to high. A tick that misses zero
// only by the rounding of the sum is zero, so that it gets no label of its
// own such as "1.39E-17".
float EvenTick(long double low, long double high, int i, int count);

// The drawn axes made from the last automatic scaling: fresh tick arrays with
// their standard room holding the counts, exponents and ticks of `automatic`.
PlotAxes FreshAxesFrom(const PlotAxes& automatic);

}  // namespace kortiv
