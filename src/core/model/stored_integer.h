#pragma once

#include <algorithm>
#include <cmath>

namespace kortiv {

// Integers kept among the float parameters (orders, counts, choices) are
// stored as the integer plus 0.1 (minus 0.1 when negative), so that reading
// them back by truncation toward zero is safe from rounding.
inline float StoreInteger(int value) {
  return static_cast<float>(value < 0 ? value - 0.1 : value + 0.1);
}

// Truncation toward zero, guarded against values no int can hold (a damaged
// file): NaN reads as 0, huge values as +-2e9.
inline int ReadStoredInteger(float stored) {
  constexpr float kLimit = 2.0e9f;
  if (std::isnan(stored)) return 0;
  return static_cast<int>(std::clamp(stored, -kLimit, kLimit));
}

}  // namespace kortiv
