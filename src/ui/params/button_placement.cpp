#include "ui/params/button_placement.h"

namespace kortiv {

ButtonColumns PlaceButtons(int form_width, int button, int apply_width, bool integration) {
  const double w = button;
  ButtonColumns columns;
  if (apply_width <= 0) {
    columns.ok = static_cast<int>((form_width - 2.5 * w) / 2);
    columns.no = static_cast<int>(columns.ok + 1.5 * w);
    return columns;
  }
  columns.apply = static_cast<int>((form_width - apply_width) / 2.0 - 2);
  columns.ok = static_cast<int>(columns.apply - (integration ? 1.05 : 1.5) * w);
  columns.no = static_cast<int>(columns.apply + apply_width + (integration ? 0.05 : 0.5) * w);
  return columns;
}

int WidthForButtons(int least, int margin, int button, int apply_width, bool integration) {
  int width = least;
  for (;; ++width) {
    const ButtonColumns columns = PlaceButtons(width, button, apply_width, integration);
    if (columns.ok >= margin && columns.no + button <= width - margin) return width;
  }
}

}  // namespace kortiv
