#pragma once

#include "draw/symbol_canvas.h"

namespace kortiv {

// The signal sources (codes 100..113): a small drawing of the signal in the
// box, and in the dialog picture the signal on labelled axes (the sweep
// generator shows a note instead).
void DrawSourcePictogram(const SymbolCanvas& canvas, int code);
void DrawSourceDialogPicture(const SymbolCanvas& canvas, int code);

}  // namespace kortiv
