#pragma once

#include <QLabel>
#include <QStatusBar>
#include <array>

#include "support/status_bar.h"

namespace kortiv {

// The three panels of the main window's status bar: 0 the phase of the
// work, 1 the duration of the last run, 2 spare (50 pixels). Panels 0 and 1
// share the rest of the width 2 : 3. Texts set from another thread are
// passed on to the ui thread.
class StatusPanels : public StatusBar {
 public:
  explicit StatusPanels(QStatusBar* bar);

  void SetText(int panel, std::string_view text) override;
  void Repaint() override;

  QString Text(int panel) const { return labels_[panel]->text(); }
  void Clear();
  // Sets the panel widths from the bar's width.
  void Layout();

 private:
  QStatusBar* bar_;
  std::array<QLabel*, 3> labels_{};
};

}  // namespace kortiv
