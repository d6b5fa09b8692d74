#pragma once

#include <vector>

namespace kortiv {

struct RunState;

// The smallest and largest value of a set; both are NaN when the set holds
// no number.
struct ValueRange {
  float min;
  float max;
};

// The extremes of every result column over all points of a run (column 0,
// the moment or frequency, included). Values that are not a number are
// passed over.
struct ColumnExtremes {
  std::vector<ValueRange> columns;

  // The extremes over the columns first, first + step, first + 2 step, ...
  ValueRange Over(int first, int step) const;
};

ColumnExtremes CollectExtremes(const RunState& run);

}  // namespace kortiv
