#pragma once

#include "draw/symbol_canvas.h"

namespace kortiv {

// The linear elements (codes 200..214): the pictogram inside the box and
// the transfer function of the dialog picture.
void DrawLinearPictogram(const SymbolCanvas& canvas, int code, int orientation);
void DrawLinearDialogPicture(const SymbolCanvas& canvas, int code);

}  // namespace kortiv
