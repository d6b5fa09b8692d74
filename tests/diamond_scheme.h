#pragma once

#include "model/scheme.h"

namespace kortiv::test {

// A step into a summator and a gain, then `diamonds` times a fork whose two
// outputs, each through a gain, meet again in a summator, and one way back
// from a last fork into the first summator: a loop with 2^diamonds
// elementary cycles. Gains have k = 0.5, the step rises to 1 at t = 0.
inline void BuildDiamondScheme(Scheme& scheme, int diamonds) {
  auto put = [&](int row, int column, int code, int orientation, float k = 0.5f) {
    const int n = scheme.AppendElement(code, orientation, {row, column});
    if (scheme.GetParamCount(n) == 0) return;
    scheme.AllocateParamBlock(n);
    for (int i = 0; i < scheme.GetParamCount(n); ++i) {
      scheme.SetParam(scheme.GetParamAddress(n) + i, i == 0 ? k : 1.0f);
    }
  };
  constexpr int kStep = 101, kGain = 200, kWire = 1, kRight = 2, kLeft = 3, kFork = 5, kSum = 9;
  put(0, 0, kStep, 0, 0.0f);
  put(0, 1, kSum, 0);
  put(0, 2, kGain, 0);
  for (int d = 0; d < diamonds; ++d) {
    const int c = 3 + 3 * d;
    put(0, c, kFork, 0);
    put(0, c + 1, kGain, 0);
    put(1, c, kGain, 1);
    put(2, c, kLeft, 0);
    put(2, c + 1, kWire, 0);
    put(2, c + 2, kLeft, 3);
    put(1, c + 2, kWire, 3);
    put(0, c + 2, kSum, 0);
  }
  const int last = 3 + 3 * diamonds;
  put(0, last, kFork, 0);
  put(0, last + 1, kGain, 0);
  scheme.SetControlPoint(scheme.ElementCount(), 1);
  put(1, last, kWire, 1);
  put(2, last, kWire, 1);
  put(3, last, kRight, 2);
  for (int c = last - 1; c > 2; --c) put(3, c, kWire, 2);
  put(3, 2, kGain, 2);
  put(3, 1, kRight, 3);
  put(2, 1, kWire, 3);
  put(1, 1, kWire, 3);
  scheme.RecountControlPoints();
}

}  // namespace kortiv::test
