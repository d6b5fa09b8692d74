#pragma once

#include <functional>
#include <string_view>

namespace kortiv {

struct Clipboard;

// Where the analysis reports its phase ("Идёт анализ схемы", "Анализ схемы
// завершён"); the desktop program shows it in panel 0 of its status bar.
class AnalysisStatus {
 public:
  virtual ~AnalysisStatus() = default;
  virtual void ShowPhase(std::string_view text) = 0;
};

// What the analysis touches outside the scheme, when there is an editor.
struct AnalysisHooks {
  // A pending cut in it is cancelled before the analysis starts.
  Clipboard* clipboard = nullptr;
  // Redraws an element's cell: the hatch of a cancelled cut goes, a changed
  // control-point mark is drawn anew (or erased when it went to 0).
  std::function<void(int element)> redraw_element;
};

}  // namespace kortiv
