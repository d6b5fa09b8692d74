#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "support/status_bar.h"

namespace kortiv::test {

// Keeps every text of every panel; `on_text` lets a test act while the
// calculation runs (the Esc key).
class RecordingStatusBar : public StatusBar {
 public:
  void SetText(int panel, std::string_view text) override {
    panels[panel] = std::string(text);
    if (panel == 0) phase_history.push_back(std::string(text));
    if (on_text) on_text(panel, text);
  }
  std::string panels[3];
  std::vector<std::string> phase_history;
  std::function<void(int, std::string_view)> on_text;
};

}  // namespace kortiv::test
