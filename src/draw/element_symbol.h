#pragma once

#include <QImage>
#include <QPainter>
#include <QSize>

#include "draw/cell_geometry.h"

namespace kortiv {

// Draws the symbol of `code` turned to `orientation` (0..3, the direction of
// signal flow) on a picture of `size`, after filling it with the menu colour.
void DrawElement(QPainter& painter, QSize size, int code, int orientation);

// Whether the code has an explanatory picture for the parameter dialog: the
// kinds that take parameters.
bool HasDialogPicture(int code);

// Draws the dialog picture of `code` on a picture of `size`, after filling
// it with the menu colour.
void DrawDialogPicture(QPainter& painter, QSize size, int code);

// A new picture with the symbol or the dialog picture alone.
QImage ElementImage(int code, int orientation, QSize size = kCellSize);
QImage DialogImage(int code, QSize size = kDialogPictureSize);

}  // namespace kortiv
