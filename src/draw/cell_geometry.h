#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kortiv {

// A cell of the scheme field and the picture of the parameter dialog.
inline constexpr QSize kCellSize{75, 50};
inline constexpr QSize kDialogPictureSize{125, 121};

// Directions of signal flow, as element orientations: a quarter turn
// clockwise for each step.
enum Direction : int { kRight = 0, kDown = 1, kLeft = 2, kUp = 3 };

// The direction `quarters` quarter turns clockwise from `direction`.
constexpr int Turned(int direction, int quarters) {
  return ((direction + quarters) % 4 + 4) % 4;
}

constexpr int Opposite(int direction) {
  return Turned(direction, 2);
}

// The measures every symbol is drawn by: the picture's size, its centre,
// the margins around the element box and the inner size of the box.
struct CellGeometry {
  explicit CellGeometry(QSize size);

  int W, H;    // picture size
  int cx, cy;  // centre
  int mh, mv;  // margins left/right and top/bottom of the box
  int Wi, Hi;  // inner size of the box

  // The element box; its outline runs on the rect's border pixels.
  QRect Box() const { return QRect(QPoint(mh, mv), QPoint(W - mh - 1, H - mv - 1)); }
  QPoint Centre() const { return {cx, cy}; }
  // The outermost pixel of the picture on the centre line towards `direction`.
  QPoint EdgePoint(int direction) const;
  // The middle of the box side that faces `direction`.
  QPoint BoxSidePoint(int direction) const;
  // The unit step towards `direction`.
  static QPoint Step(int direction);
};

}  // namespace kortiv
