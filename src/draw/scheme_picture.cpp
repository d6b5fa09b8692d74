#include "draw/scheme_picture.h"

#include "draw/cell_marks.h"
#include "draw/element_symbol.h"
#include "draw/palette.h"
#include "model/scheme.h"

namespace kortiv {
namespace {

constexpr int kRulerTextSize = 11;
constexpr int kColumnLabelX = 40;  // from the left of its column
constexpr int kRowLabelY = 12;     // from the top of its row

bool InWindow(Cell cell, const SchemeWindow& window) {
  return cell.row >= 1 && cell.row <= window.rows && cell.column >= 1 && cell.column <= window.cols;
}

void DrawRulers(QPainter& painter, Cell shift, const SchemeWindow& window) {
  QFont font = painter.font();
  font.setPixelSize(kRulerTextSize);
  painter.setFont(font);
  painter.setPen(Qt::black);
  for (int column = 1; column <= window.cols; ++column) {
    const int x = CellOrigin({1, column}).x() + kColumnLabelX;
    painter.drawText(QRect(x, 0, kCellSize.width(), kRulerHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     QString::number(column - shift.column));
  }
  for (int row = 1; row <= window.rows; ++row) {
    const int y = CellOrigin({row, 1}).y() + kRowLabelY;
    painter.drawText(QRect(0, y, kRulerWidth - 4, kRulerTextSize + 4),
                     Qt::AlignRight | Qt::AlignTop, QString::number(row - shift.row));
  }
}

// Draws a mark over the window cell, when there is one.
template <typename Mark>
void MarkCell(QPainter& painter, Cell cell, const SchemeWindow& window, Mark mark) {
  if (!InWindow(cell, window)) return;
  painter.save();
  painter.translate(CellOrigin(cell));
  painter.setClipRect(QRect(QPoint(0, 0), kCellSize));
  mark(painter, kCellSize);
  painter.restore();
}

}  // namespace

QSize SchemePictureSize(const SchemeWindow& window) {
  return {kRulerWidth + window.cols * kCellSize.width(),
          kRulerHeight + window.rows * kCellSize.height()};
}

QPoint CellOrigin(Cell window_cell) {
  return {kRulerWidth + (window_cell.column - 1) * kCellSize.width(),
          kRulerHeight + (window_cell.row - 1) * kCellSize.height()};
}

void DrawElementCell(QPainter& painter, const Scheme& scheme, int n, const PlotStyles& styles,
                     int points_counted) {
  const int orientation = scheme.GetOrientation(n);
  DrawElement(painter, kCellSize, scheme.GetCode(n), orientation);
  const int point = scheme.GetControlPoint(n);
  if (point >= 1 && point <= Scheme::kControlPointMax) {
    DrawControlPointMark(painter, orientation, point, points_counted,
                         PaletteColour(styles[point][0]));
  }
  if (scheme.ParamsMissing(n)) ToggleParamsNotSetMark(painter, kCellSize);
}

void DrawSchemePicture(QPainter& painter, const Scheme& scheme, const PlotStyles& styles,
                       const SchemeWindow& window) {
  DrawSchemePicture(painter, scheme, styles, window, {scheme.RowShift(), scheme.ColShift()});
}

void DrawSchemePicture(QPainter& painter, const Scheme& scheme, const PlotStyles& styles,
                       const SchemeWindow& window, Cell shift) {
  painter.fillRect(QRect(QPoint(0, 0), SchemePictureSize(window)), MenuColour());
  DrawRulers(painter, shift, window);
  int points_counted = 0;
  for (int n = 1; n <= scheme.ElementCount(); ++n) {
    if (scheme.GetControlPoint(n) > 0) ++points_counted;
    const Cell stored = scheme.GetStoredPosition(n);
    const Cell cell{stored.row + shift.row, stored.column + shift.column};
    if (!InWindow(cell, window)) continue;
    painter.save();
    painter.translate(CellOrigin(cell));
    painter.setClipRect(QRect(QPoint(0, 0), kCellSize));
    DrawElementCell(painter, scheme, n, styles, points_counted);
    painter.restore();
  }
  MarkCell(painter, window.pending_cut, window, TogglePendingCutHatch);
  MarkCell(painter, window.selected, window, ToggleSelectionFrame);
}

QImage SchemeImage(const Scheme& scheme, const PlotStyles& styles, const SchemeWindow& window) {
  QImage image(SchemePictureSize(window), QImage::Format_RGB32);
  QPainter painter(&image);
  DrawSchemePicture(painter, scheme, styles, window);
  return image;
}

}  // namespace kortiv
