#pragma once

#include <cstddef>

#include "series/run_state.h"

namespace kortiv::test {

// A run with `control_points` values per point whose numbers tell where
// they stand: value v of point j is j + v / 10 (exact halves and tenths as
// floats), the argument j / 2.
inline void MakeNumberedRun(RunState& run, RunKind kind, int last_point, int control_points) {
  run.kind = kind;
  run.last_point = last_point;
  run.control_points = control_points;
  run.result_store.resize(static_cast<std::size_t>(run.RowWidth()) * (last_point + 1));
  for (int j = 0; j <= last_point; ++j) {
    run.ResultAt(j, 0) = j / 2.0f;
    for (int e = 1; e < run.RowWidth(); ++e) run.ResultAt(j, e) = j + e / 10.0f;
  }
}

}  // namespace kortiv::test
