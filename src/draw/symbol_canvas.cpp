#include "draw/symbol_canvas.h"

#include <algorithm>

#include "draw/palette.h"

namespace kortiv {

SymbolCanvas::SymbolCanvas(QPainter& painter, QSize size) : painter_(&painter), geometry_(size) {
  painter_->setRenderHint(QPainter::Antialiasing, false);
  painter_->setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter_->setBrush(Qt::NoBrush);
  SetPen(Qt::black);
}

void SymbolCanvas::SetPen(const QColor& colour, Qt::PenStyle style) const {
  QPen pen(colour, 1, style, Qt::SquareCap, Qt::MiterJoin);
  pen.setCosmetic(true);
  painter_->setPen(pen);
}

void SymbolCanvas::Clear() const {
  painter_->fillRect(QRect(0, 0, geometry_.W, geometry_.H), MenuColour());
}

void SymbolCanvas::Line(QPoint from, QPoint to) const {
  painter_->drawLine(from, to);
}

void SymbolCanvas::Polyline(const QPolygon& points) const {
  painter_->drawPolyline(points);
}

void SymbolCanvas::Box() const {
  painter_->drawRect(geometry_.Box().adjusted(0, 0, -1, -1));
}

void SymbolCanvas::InputLine(int orientation) const {
  const int side = Opposite(orientation);
  Line(geometry_.EdgePoint(side), geometry_.BoxSidePoint(side));
}

void SymbolCanvas::OutputLine(int orientation) const {
  Line(geometry_.BoxSidePoint(orientation), geometry_.EdgePoint(orientation));
  Arrowhead(orientation);
}

void SymbolCanvas::Arrowhead(int direction) const {
  // The strokes start 5 pixels in from the cell's border line: at W - 5 on
  // the right, whose outermost pixel is W - 1, and at 5 on the left.
  const QPoint tip = geometry_.EdgePoint(direction);
  const QPoint step = CellGeometry::Step(direction);
  const QPoint back = tip - (step.x() + step.y() > 0 ? 4 : 5) * step;
  const QPoint side = 3 * CellGeometry::Step(Turned(direction, 1));
  Line(back + side, tip);
  Line(back - side, tip);
}

void SymbolCanvas::CentredText(const QRect& area, const QString& text, int pixel_size) const {
  QFont font = painter_->font();
  font.setPixelSize(pixel_size);
  painter_->setFont(font);
  painter_->drawText(area, Qt::AlignCenter, text);
}

void SymbolCanvas::TextAt(QPoint at, const QString& text, int pixel_size) const {
  QFont font = painter_->font();
  font.setPixelSize(pixel_size);
  painter_->setFont(font);
  painter_->drawText(QRect(at, QSize(geometry_.W, geometry_.H)), Qt::AlignLeft | Qt::AlignTop,
                     text);
}

int SymbolCanvas::TextSize() const {
  return std::max(6, geometry_.H * 6 / 25);
}

int SymbolCanvas::DialogTextSize() const {
  return std::max(6, geometry_.H / 8);
}

}  // namespace kortiv
