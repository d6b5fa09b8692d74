#pragma once

// Building and checking plot axes in the tests.
#include <gtest/gtest.h>

#include <vector>

#include "results/plot_axes.h"

namespace kortiv::test {

// count + 1 ticks spread evenly from low to high.
inline std::vector<double> Evenly(double low, double high, int count) {
  std::vector<double> ticks;
  for (int i = 0; i <= count; ++i) ticks.push_back(low + i * (high - low) / count);
  return ticks;
}

inline AxisTicks Axis(double low, double high, int count, int exponent = 0) {
  AxisTicks axis;
  axis.count = count;
  axis.exponent = exponent;
  axis.ticks.clear();
  for (int i = 0; i <= count; ++i) axis.ticks.push_back(EvenTick(low, high, i, count));
  return axis;
}

inline void ExpectTicks(const AxisTicks& axis, const std::vector<double>& expected) {
  ASSERT_EQ(axis.count + 1, static_cast<int>(expected.size()));
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(axis.ticks[i], expected[i], 1e-5) << "tick " << i;
  }
}

}  // namespace kortiv::test
