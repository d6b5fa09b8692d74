#pragma once

#include <QImage>
#include <QPainter>

#include "draw/cell_geometry.h"
#include "model/element_record.h"
#include "model/user_settings.h"

namespace kortiv {

class Scheme;

// The window of the editor onto the scheme: its size in cells and the marks
// that are shown over the cells (window coordinates, 1-based; row 0 means
// no mark).
struct SchemeWindow {
  int cols = 9;
  int rows = 7;
  Cell selected;
  Cell pending_cut;
};

// The rulers above and to the left of the cells, with the scheme's column
// and row numbers.
inline constexpr int kRulerHeight = 20;
inline constexpr int kRulerWidth = 32;

QSize SchemePictureSize(const SchemeWindow& window);

// The top left corner of a window cell in the scheme picture.
QPoint CellOrigin(Cell window_cell);

// Draws the symbol of element n and its marks (the control point in its
// colour, the missing-parameters circle) in a cell at the painter's origin.
// `points_counted` counts the control points of elements 1..n.
void DrawElementCell(QPainter& painter, const Scheme& scheme, int n, const PlotStyles& styles,
                     int points_counted);

// Draws the scheme picture: the rulers, empty cells in the menu colour and
// every element whose cell is in the window, with its marks. The scheme's
// shift decides which part of the scheme the window shows.
void DrawSchemePicture(QPainter& painter, const Scheme& scheme, const PlotStyles& styles,
                       const SchemeWindow& window);
// The same with the window's own shift over the scheme (window cell =
// stored cell + shift), as the editor scrolls it.
void DrawSchemePicture(QPainter& painter, const Scheme& scheme, const PlotStyles& styles,
                       const SchemeWindow& window, Cell shift);

QImage SchemeImage(const Scheme& scheme, const PlotStyles& styles, const SchemeWindow& window);

}  // namespace kortiv
