#pragma once

#include "series/eval_context.h"

namespace kortiv {

// The frequency grid of a sweep generator: decades m..n, D points per
// decade (the truncated stored parameters).
struct SweepGrid {
  long long first_decade = 0;
  long long last_decade = 0;
  long long points_per_decade = 0;

  // The sweep generator's first call: the number of the last point of the
  // frequency run, (n - m) * D.
  long long LastPoint() const { return (last_decade - first_decade) * points_per_decade; }
};

SweepGrid SweepGridOf(const EvalContext& context, int element);

}  // namespace kortiv
