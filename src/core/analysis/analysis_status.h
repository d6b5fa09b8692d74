#pragma once

#include <functional>
#include <string_view>

namespace kortiv {

// Where the analysis reports its phase ("Идёт анализ схемы", "Анализ схемы
// завершён"); the desktop program shows it in panel 0 of its status bar.
class AnalysisStatus {
 public:
  virtual ~AnalysisStatus() = default;
  virtual void ShowPhase(std::string_view text) = 0;
};

// What the analysis asks of the editor, when there is one.
struct AnalysisHooks {
  // Cancels a cut that waits for its paste and redraws its element.
  std::function<void()> cancel_pending_cut;
  // Redraws the control-point mark of an element whose number changed
  // (0: the mark is erased).
  std::function<void(int element)> redraw_control_point;
};

}  // namespace kortiv
