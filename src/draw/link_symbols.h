#pragma once

#include "draw/symbol_canvas.h"

namespace kortiv {

// Wires, corners, the crossing, forks, summators and multipliers (codes
// 1..20): drawn without a box, turned by their orientation.
void DrawLinkSymbol(const SymbolCanvas& canvas, int code, int orientation);

}  // namespace kortiv
