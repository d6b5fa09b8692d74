#pragma once

#include <string_view>

namespace kortiv {

// The main window's status bar as the long operations see it: panel 0 the
// phase of the work, panel 1 the duration of the last run, panel 2 spare.
// A calculation on a worker thread calls it from that thread; the desktop
// program passes the texts on to its ui thread.
class StatusBar {
 public:
  virtual ~StatusBar() = default;

  virtual void SetText(int panel, std::string_view text) = 0;

  // Shows the panels at once, in the middle of a long operation.
  virtual void Repaint() {}
};

// For callers that show no status.
class SilentStatusBar : public StatusBar {
 public:
  void SetText(int, std::string_view) override {}
};

}  // namespace kortiv
