#include "draw/cell_geometry.h"

namespace kortiv {

CellGeometry::CellGeometry(QSize size)
    : W(size.width()),
      H(size.height()),
      cx(W / 2),
      cy(H / 2),
      mh(static_cast<int>(0.19 * W)),
      mv(static_cast<int>(0.2 * H)),
      Wi(W - 2 * mh),
      Hi(H - 2 * mv) {}

QPoint CellGeometry::EdgePoint(int direction) const {
  switch (Turned(direction, 0)) {
    case kRight:
      return {W - 1, cy};
    case kDown:
      return {cx, H - 1};
    case kLeft:
      return {0, cy};
    default:
      return {cx, 0};
  }
}

QPoint CellGeometry::BoxSidePoint(int direction) const {
  const QRect box = Box();
  switch (Turned(direction, 0)) {
    case kRight:
      return {box.right(), cy};
    case kDown:
      return {cx, box.bottom()};
    case kLeft:
      return {box.left(), cy};
    default:
      return {cx, box.top()};
  }
}

QPoint CellGeometry::Step(int direction) {
  switch (Turned(direction, 0)) {
    case kRight:
      return {1, 0};
    case kDown:
      return {0, 1};
    case kLeft:
      return {-1, 0};
    default:
      return {0, -1};
  }
}

}  // namespace kortiv
