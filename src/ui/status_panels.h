#pragma once

#include <QLabel>
#include <QStatusBar>
#include <array>
#include <string>

namespace kortiv {

// The three panels of the main window's status bar: 0 the phase of the
// work, 1 the duration of the last run, 2 spare (50 pixels). Panels 0 and 1
// share the rest of the width 2 : 3.
class StatusPanels {
 public:
  explicit StatusPanels(QStatusBar* bar);

  void SetTexts(const std::array<std::string, 3>& texts);
  void SetText(int panel, const QString& text);
  QString Text(int panel) const { return labels_[panel]->text(); }
  QLabel* Panel(int panel) const { return labels_[panel]; }
  // Sets the panel widths from the width of the bar.
  void Layout(int bar_width);

 private:
  QStatusBar* bar_;
  std::array<QLabel*, 3> labels_{};
};

}  // namespace kortiv
