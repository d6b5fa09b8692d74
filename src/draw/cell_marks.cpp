#include "draw/cell_marks.h"

#include "draw/cell_geometry.h"

namespace kortiv {
namespace {

const QColor kSelectionColour(0, 0, 255);
const QColor kParamsNotSetColour(128, 0, 128);
constexpr int kParamsMarkSize = 10;
constexpr int kControlPointTextSize = 11;

// Runs `paint` with the painter in inverting ("not xor") mode.
template <typename Paint>
void Inverting(QPainter& painter, Paint paint) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
  paint();
  painter.restore();
}

}  // namespace

void ToggleSelectionFrame(QPainter& painter, QSize cell) {
  const int w = cell.width();
  const int h = cell.height();
  // Four strips that do not overlap, so that every pixel is inverted once.
  Inverting(painter, [&] {
    painter.fillRect(0, 0, w, 1, kSelectionColour);
    painter.fillRect(0, h - 1, w, 1, kSelectionColour);
    painter.fillRect(0, 1, 1, h - 2, kSelectionColour);
    painter.fillRect(w - 1, 1, 1, h - 2, kSelectionColour);
  });
}

void TogglePendingCutHatch(QPainter& painter, QSize cell) {
  const int w = cell.width();
  const int h = cell.height();
  Inverting(painter, [&] {
    QPen pen(Qt::black, 1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    const auto at_thirds = [](int length, int thirds) { return (length * thirds + 1) / 3; };
    for (int thirds = 1; thirds <= 3; ++thirds) {  // from the top left corner
      painter.drawLine(0, at_thirds(h, thirds), at_thirds(w, thirds), 0);
    }
    for (int thirds = 1; thirds <= 2; ++thirds) {  // from the bottom right corner
      painter.drawLine(at_thirds(w, thirds), h, w, at_thirds(h, thirds));
    }
  });
}

void ToggleParamsNotSetMark(QPainter& painter, QSize cell) {
  const CellGeometry g(cell);
  Inverting(painter, [&] {
    painter.setPen(Qt::NoPen);
    painter.setBrush(kParamsNotSetColour);
    painter.drawEllipse(QRect(g.mh + 1, g.mv + 1, kParamsMarkSize, kParamsMarkSize));
  });
}

int ControlPointNumberOffset(int points_counted) {
  return points_counted > 9 ? 7 : 3;
}

void DrawControlPointMark(QPainter& painter, int orientation, int number, int points_counted,
                          const QColor& colour) {
  const int o = ControlPointNumberOffset(points_counted);
  QLine stroke;
  QPoint text_at;
  switch (Turned(orientation, 0)) {
    case kRight:
      stroke = QLine(68, 24, 68, 15);
      text_at = QPoint(68 - o, 6);
      break;
    case kDown:
      stroke = QLine(38, 45, 60, 45);
      text_at = QPoint(62, 33);
      break;
    case kLeft:
      stroke = QLine(7, 24, 7, 15);
      text_at = QPoint(7 - o, 6);
      break;
    default:
      stroke = QLine(38, 5, 60, 5);
      text_at = QPoint(62, 1);
  }
  painter.save();
  QPen pen(colour, 1);
  pen.setCosmetic(true);
  painter.setPen(pen);
  painter.drawLine(stroke);
  QFont font = painter.font();
  font.setPixelSize(kControlPointTextSize);
  painter.setFont(font);
  painter.drawText(QRect(text_at, QSize(20, 16)), Qt::AlignLeft | Qt::AlignTop,
                   QString::number(number));
  painter.restore();
}

}  // namespace kortiv
