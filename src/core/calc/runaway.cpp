#include "calc/runaway.h"

#include <cmath>
#include <limits>

namespace kortiv {

bool IsRunaway(double value) {
  return !(std::fabs(value) <= std::numeric_limits<float>::max());
}

void CutRunAtRunaway(RunState& run, const Series& series, int first, int n) {
  const int per = run.PerPoint();
  for (int j = first; j <= n; ++j) {
    for (int c = 0; c < per; ++c) {
      if (!IsRunaway(series[static_cast<std::size_t>(j) * per + c])) continue;
      run.diverged = true;
      if (j == 0) run.stop_requested = true;
      if (j - 1 < run.last_point) run.last_point = j > 0 ? j - 1 : 0;
      return;
    }
  }
}

}  // namespace kortiv
