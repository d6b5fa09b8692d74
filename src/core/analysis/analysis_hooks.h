#pragma once

#include <functional>

namespace kortiv {

struct Clipboard;

// What the analysis touches outside the scheme, when there is an editor.
struct AnalysisHooks {
  // A pending cut in it is cancelled before the analysis starts.
  Clipboard* clipboard = nullptr;
  // Redraws an element's cell: the hatch of a cancelled cut goes, a changed
  // control-point mark is drawn anew (or erased when it went to 0).
  std::function<void(int element)> redraw_element;
};

}  // namespace kortiv
