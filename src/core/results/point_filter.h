#pragma once

#include <vector>

namespace kortiv {

// The rows chosen in the filter dialog: points first, first + step, ... up
// to last. The table, the text file, the printout and the spreadsheet all
// take their points from SelectedPoints.
struct PointFilter {
  int first = 0;
  int step = 1;
  int last = 0;
};

// The whole range 0..N, every point.
inline PointFilter WholeRange(int last_point) {
  return {0, 1, last_point};
}

// The points p = first, first + step, ... with p <= last, kept within the
// results 0..last_point; a step below 1 counts as 1.
std::vector<int> SelectedPoints(const PointFilter& filter, int last_point);

// Calls visit(p) for the same points in order, without listing them first
// (a run may have ten million points).
template <typename Visit>
void ForEachSelectedPoint(const PointFilter& filter, int last_point, Visit visit) {
  const long long last = filter.last < last_point ? filter.last : last_point;
  const long long step = filter.step > 1 ? filter.step : 1;
  for (long long p = filter.first > 0 ? filter.first : 0; p <= last; p += step) {
    visit(static_cast<int>(p));
  }
}

}  // namespace kortiv
