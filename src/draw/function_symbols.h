#pragma once

#include "draw/symbol_canvas.h"

namespace kortiv {

// The functional elements (codes 500..507): the function as a formula in
// the box; the two with a parameter repeat it in the dialog picture.
void DrawFunctionPictogram(const SymbolCanvas& canvas, int code);
void DrawFunctionDialogPicture(const SymbolCanvas& canvas, int code);

}  // namespace kortiv
