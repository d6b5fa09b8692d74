#pragma once

#include <memory>
#include <vector>

#include "series/run_state.h"
#include "results/column_extremes.h"
#include "results/results_kind.h"

namespace kortiv {

// The results a table window shows, copied from the run when the window is
// made: a later run replaces the document's results, while a table left open
// beside the new one keeps showing its own.
struct ResultsSnapshot {
  RunKind kind = RunKind::kTime;
  int last_point = 0;
  int control_points = 0;
  std::vector<float> store;  // as RunState::result_store
  ColumnExtremes extremes;

  int RowWidth() const { return static_cast<int>(kind) * control_points + 1; }
  int ValueColumns() const { return RowWidth() - 1; }
  float At(int point, int entry) const {
    return store[static_cast<std::size_t>(RowWidth()) * point + entry];
  }

  static std::shared_ptr<const ResultsSnapshot> Of(const RunState& run);
};

}  // namespace kortiv
