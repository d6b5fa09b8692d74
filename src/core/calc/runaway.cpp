#include "calc/runaway.h"

#include <cmath>
#include <limits>

namespace kortiv {

bool IsRunaway(double value) {
  return !(std::fabs(value) <= std::numeric_limits<float>::max());
}

namespace {

// The run ends before point j, the first that is not sound.
void CutBefore(RunState& run, int j) {
  run.diverged = true;
  if (j == 0) run.stop_requested = true;
  if (j - 1 < run.last_point) run.last_point = j > 0 ? j - 1 : 0;
}

}  // namespace

void CutRunAtRunaway(RunState& run, const Series& series, int first, int n) {
  const int per = run.PerPoint();
  for (int j = first; j <= n; ++j) {
    for (int c = 0; c < per; ++c) {
      if (!IsRunaway(series[static_cast<std::size_t>(j) * per + c])) continue;
      CutBefore(run, j);
      return;
    }
  }
}

void CutRunAtRunawayArgument(RunState& run) {
  for (int j = 0; j <= run.last_point; ++j) {
    if (!IsRunaway(run.Moment(j))) continue;
    CutBefore(run, j);
    return;
  }
}

void CutRunAtRunawayResults(RunState& run) {
  for (int j = 0; j <= run.last_point; ++j) {
    for (int e = 0; e < run.RowWidth(); ++e) {
      if (!IsRunaway(run.ResultAt(j, e))) continue;
      CutBefore(run, j);
      return;
    }
  }
}

}  // namespace kortiv
