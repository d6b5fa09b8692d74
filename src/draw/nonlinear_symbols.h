#pragma once

#include "draw/symbol_canvas.h"

namespace kortiv {

// The nonlinear elements (codes 300..308): the characteristic in the box,
// and in the dialog picture on labelled axes.
void DrawNonlinearPictogram(const SymbolCanvas& canvas, int code);
void DrawNonlinearDialogPicture(const SymbolCanvas& canvas, int code);

}  // namespace kortiv
