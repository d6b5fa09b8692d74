#pragma once

#include <QPainter>
#include <QString>

#include "draw/cell_geometry.h"

namespace kortiv {

// The drawing context of a symbol routine: the painter of the target picture
// and the picture's geometry, with the strokes that symbols share. The pen
// is black, solid, one pixel wide and paints in copy mode.
class SymbolCanvas {
 public:
  SymbolCanvas(QPainter& painter, QSize size);

  QPainter& painter() const { return *painter_; }
  const CellGeometry& geometry() const { return geometry_; }

  // Fills the whole picture with the menu colour.
  void Clear() const;
  void Line(QPoint from, QPoint to) const;
  void Polyline(const QPolygon& points) const;
  void Box() const;
  // The input line from the edge opposite to `orientation` to the box.
  void InputLine(int orientation) const;
  // The output line from the box to the edge at `orientation`, with its arrowhead.
  void OutputLine(int orientation) const;
  // The two strokes of an arrowhead whose tip is the edge point towards `direction`.
  void Arrowhead(int direction) const;
  // Text centred in `area`.
  void CentredText(const QRect& area, const QString& text, int pixel_size) const;
  // Text with its top left corner at `at`.
  void TextAt(QPoint at, const QString& text, int pixel_size) const;
  // The letter size of the texts in the box, in pixels.
  int TextSize() const;
  // The letter size of the texts of a dialog picture, in pixels.
  int DialogTextSize() const;
  // Sets the pen colour and style for the following strokes (black solid by default).
  void SetPen(const QColor& colour, Qt::PenStyle style = Qt::SolidLine) const;

 private:
  QPainter* painter_;
  CellGeometry geometry_;
};

}  // namespace kortiv
