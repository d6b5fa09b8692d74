#ifdef KORTIV_CALC_WITH_DRAW

#include "fitting_window.h"

#include <array>

#include "model/scheme.h"

namespace kortiv::calc_cli {
namespace {

// The field sizes of the editor, smallest first.
constexpr std::array<std::array<int, 2>, 3> kFieldSizes{{{9, 7}, {11, 9}, {14, 13}}};

}  // namespace

SchemeWindow FittingWindow(const Scheme& scheme) {
  for (const auto& [cols, rows] : kFieldSizes) {
    bool all_shown = true;
    for (int n = 1; n <= scheme.ElementCount(); ++n) {
      const Cell cell = scheme.GetCellPosition(n);
      all_shown =
          all_shown && cell.row >= 1 && cell.row <= rows && cell.column >= 1 && cell.column <= cols;
    }
    if (all_shown) return SchemeWindow{cols, rows, {}, {}};
  }
  return SchemeWindow{kFieldSizes.back()[0], kFieldSizes.back()[1], {}, {}};
}

}  // namespace kortiv::calc_cli

#endif
