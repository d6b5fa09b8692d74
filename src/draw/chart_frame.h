#pragma once

#include <QPointF>
#include <QString>
#include <vector>

#include "draw/symbol_canvas.h"

namespace kortiv {

// A drawing in chart coordinates (x to the right, y upwards) mapped onto an
// area of a dialog picture or of a cell box.
struct ChartLabel {
  QString text;
  QPointF at;  // centre of the text
};

using Stroke = std::vector<QPointF>;

class ChartFrame {
 public:
  // The chart coordinates `range` (y upwards from range.top() to
  // range.bottom()) fill `area`.
  ChartFrame(const SymbolCanvas& canvas, const QRect& area,
             const QRectF& range = QRectF(QPointF(-1, -1), QPointF(1, 1)));

  QPoint Map(QPointF point) const;
  void DrawStroke(const Stroke& stroke) const;
  // Both axes with arrowheads and the labels "x", "y" and "0".
  void DrawAxes(const QString& x_label, const QString& y_label) const;
  // The dotted blue lines from a point to both axes.
  void DrawGuides(QPointF knee) const;
  void DrawLabel(const ChartLabel& label, int pixel_size) const;
  // The angle "f" of a slope from the x axis at `vertex` up to `toward`.
  void DrawSlopeAngle(QPointF vertex, QPointF toward) const;

 private:
  const SymbolCanvas* canvas_;
  QRect area_;
  QRectF range_;
};

}  // namespace kortiv
