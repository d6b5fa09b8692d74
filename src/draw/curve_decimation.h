#pragma once

#include <QPoint>
#include <vector>

namespace kortiv {

// Collects the points of a polyline, keeping of each run of consecutive
// points in one pixel column only those that change the picture: the first,
// the lowest, the highest and the last, in their order. The lines between
// them cover the same pixels of that column, and the lines into and out of
// the column start and end where they did, so a solid curve of a million
// points is drawn as it would be through every point, from a few points per
// column. The first and the last line of the polyline are kept whole: the
// ends of a line are drawn by its direction.
class CurveDecimation {
 public:
  void Add(QPoint point);
  // The points kept so far, and a fresh start for the next polyline.
  std::vector<QPoint> Take();

 private:
  struct Indexed {
    QPoint point;
    long long index = -1;
  };
  void CloseColumn(bool last_column);

  std::vector<QPoint> kept_;
  long long added_ = 0;
  long long column_size_ = 0;
  Indexed first_, lowest_, highest_, last_;
  Indexed second_;    // the polyline's second point while its column is open
  Indexed previous_;  // the point added before `last_`
};

}  // namespace kortiv
