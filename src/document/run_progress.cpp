#include "document/run_progress.h"

namespace kortiv {

void RunProgress::SetText(int panel, std::string_view text) {
  if (panel < 0 || panel >= static_cast<int>(panels_.size())) return;
  std::lock_guard lock(mutex_);
  panels_[panel] = std::string(text);
}

RunProgress::Panels RunProgress::Texts() const {
  std::lock_guard lock(mutex_);
  return panels_;
}

}  // namespace kortiv
