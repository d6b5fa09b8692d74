#include "results/point_filter.h"

#include <algorithm>

namespace kortiv {

std::vector<int> SelectedPoints(const PointFilter& filter, int last_point) {
  const int last = std::min(filter.last, last_point);
  const long long step = std::max(filter.step, 1);
  std::vector<int> points;
  for (long long p = std::max(filter.first, 0); p <= last; p += step) {
    points.push_back(static_cast<int>(p));
  }
  return points;
}

}  // namespace kortiv
