#include "results/point_filter.h"

namespace kortiv {

std::vector<int> SelectedPoints(const PointFilter& filter, int last_point) {
  std::vector<int> points;
  ForEachSelectedPoint(filter, last_point, [&](int p) { points.push_back(p); });
  return points;
}

}  // namespace kortiv
