#pragma once

namespace kortiv {

// Integers kept among the float parameters (orders, counts, choices) are
// stored as the integer plus 0.1 (minus 0.1 when negative), so that reading
// them back by truncation toward zero is safe from rounding.
inline float StoreInteger(int value) {
  return static_cast<float>(value) + (value < 0 ? -0.1f : 0.1f);
}

inline int ReadStoredInteger(float stored) {
  return static_cast<int>(stored);
}

}  // namespace kortiv
