#pragma once

#include <array>
#include <mutex>
#include <string>

#include "support/status_bar.h"

namespace kortiv {

// The three status panels as a run's worker writes them; the ui's timer
// reads them from its own thread.
class RunProgress : public StatusBar {
 public:
  using Panels = std::array<std::string, 3>;

  void SetText(int panel, std::string_view text) override;
  Panels Texts() const;

 private:
  mutable std::mutex mutex_;
  Panels panels_;
};

}  // namespace kortiv
