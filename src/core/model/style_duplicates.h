#pragma once

#include <string>

#include "model/user_settings.h"

namespace kortiv {

// The warning about curves that cannot be told apart: the first pair of
// control points i < j with equal colour, main style and main width, or
// else the first point whose phase-curve style and width equal its main
// ones. Empty when every curve can be told apart.
std::string DuplicateStyleWarning(const PlotStyles& styles);

}  // namespace kortiv
