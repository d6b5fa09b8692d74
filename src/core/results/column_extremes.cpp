#include "results/column_extremes.h"

#include <cmath>
#include <limits>

#include "series/run_state.h"

namespace kortiv {
namespace {

constexpr float kNoNumber = std::numeric_limits<float>::quiet_NaN();

void Include(ValueRange& range, float value) {
  if (std::isnan(value)) return;
  if (std::isnan(range.min) || value < range.min) range.min = value;
  if (std::isnan(range.max) || value > range.max) range.max = value;
}

}  // namespace

ValueRange ColumnExtremes::Over(int first, int step) const {
  ValueRange range{kNoNumber, kNoNumber};
  for (std::size_t c = static_cast<std::size_t>(first); c < columns.size(); c += step) {
    Include(range, columns[c].min);
    Include(range, columns[c].max);
  }
  return range;
}

ColumnExtremes CollectExtremes(const RunState& run) {
  const std::size_t width = static_cast<std::size_t>(run.RowWidth());
  ColumnExtremes extremes;
  extremes.columns.assign(width, ValueRange{kNoNumber, kNoNumber});
  const std::size_t rows = static_cast<std::size_t>(run.last_point) + 1;
  for (std::size_t j = 0; j < rows && (j + 1) * width <= run.result_store.size(); ++j) {
    for (std::size_t c = 0; c < width; ++c) {
      Include(extremes.columns[c], run.result_store[j * width + c]);
    }
  }
  return extremes;
}

}  // namespace kortiv
