#pragma once

// Hand-filled results for the plot painter tests.
#include <cmath>
#include <functional>

#include "series/run_state.h"

namespace kortiv::test {

// Fills a time run of points 0..n at moments j * step with one column per
// control point, value(v, t) for control point v (1-based).
inline void FillTimeRun(RunState& run, int n, float step, int points,
                        const std::function<double(int, double)>& value) {
  run.kind = RunKind::kTime;
  run.control_points = points;
  run.last_point = n;
  run.result_store.assign(static_cast<std::size_t>(run.RowWidth()) * (n + 1), 0.0f);
  for (int j = 0; j <= n; ++j) {
    const double t = j * static_cast<double>(step);
    run.ResultAt(j, 0) = static_cast<float>(t);
    for (int v = 1; v <= points; ++v) run.ResultAt(j, v) = static_cast<float>(value(v, t));
  }
}

}  // namespace kortiv::test
