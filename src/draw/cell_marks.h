#pragma once

#include <QColor>
#include <QPainter>
#include <QSize>

namespace kortiv {

// Marks drawn over the symbol in a cell whose top left corner is the
// painter's origin. The toggled marks paint in inverting mode: drawing one
// a second time restores the picture exactly. The painter must paint on a
// QImage for that.

// The blue frame on the outermost pixels of the selected cell.
void ToggleSelectionFrame(QPainter& painter, QSize cell);

// The five black diagonals of a cell that waits to be cut.
void TogglePendingCutHatch(QPainter& painter, QSize cell);

// The purple circle of an element whose parameters were never entered,
// just inside the top left corner of the element box.
void ToggleParamsNotSetMark(QPainter& painter, QSize cell);

// The offset of a control point's number: wider once the point, counted
// with the points before it, is the tenth or later.
int ControlPointNumberOffset(int points_counted);

// The stroke from the output line and the number of control point `number`
// in its colour, by the orientation of the element, in a 75 x 50 cell.
void DrawControlPointMark(QPainter& painter, int orientation, int number, int points_counted,
                          const QColor& colour);

}  // namespace kortiv
