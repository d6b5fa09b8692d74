#include "draw/curve_decimation.h"

#include <algorithm>
#include <array>

namespace kortiv {

void CurveDecimation::Add(QPoint point) {
  if (column_size_ > 0 && point.x() != last_.point.x()) CloseColumn(false);
  const Indexed indexed{point, added_++};
  if (indexed.index == 1) second_ = indexed;
  if (column_size_++ == 0) {
    first_ = lowest_ = highest_ = indexed;
  } else {
    if (point.y() < lowest_.point.y()) lowest_ = indexed;
    if (point.y() > highest_.point.y()) highest_ = indexed;
  }
  previous_ = last_;
  last_ = indexed;
}

void CurveDecimation::CloseColumn(bool last_column) {
  std::array<Indexed, 6> column{first_, lowest_, highest_,
                                last_,  second_, last_column ? previous_ : Indexed{}};
  std::sort(column.begin(), column.end(),
            [](const Indexed& a, const Indexed& b) { return a.index < b.index; });
  long long kept_index = -1;
  for (const Indexed& candidate : column) {
    // Points of earlier columns (the previous point, the second one) are
    // either kept already or not wanted here.
    if (candidate.index < first_.index || candidate.index == kept_index) continue;
    kept_.push_back(candidate.point);
    kept_index = candidate.index;
  }
  column_size_ = 0;
  second_ = Indexed{};
}

std::vector<QPoint> CurveDecimation::Take() {
  if (column_size_ > 0) CloseColumn(true);
  added_ = 0;
  first_ = lowest_ = highest_ = last_ = previous_ = Indexed{};
  std::vector<QPoint> points;
  points.swap(kept_);
  return points;
}

}  // namespace kortiv
