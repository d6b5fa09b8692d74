#pragma once

#include <array>
#include <optional>
#include <string>

#include "params/parameter_layout.h"

namespace kortiv {

// The text that txtAux1 shows for a layout with a derived quantity, made
// from the values of txtPar1..txtPar4, txtAux1: the point count as an
// integer, the others with 7 significant digits. Nothing when the layout
// has none or its divisor is 0.
std::optional<std::string> DerivedQuantityText(const ParameterLayout& layout,
                                               const std::array<float, 5>& values,
                                               char decimal_separator);

}  // namespace kortiv
