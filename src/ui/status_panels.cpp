#include "ui/status_panels.h"

#include <cmath>

#include "ui/qt_text.h"

namespace kortiv {
namespace {

constexpr int kSparePanelWidth = 50;
constexpr int kReservedWidth = 55;

}  // namespace

StatusPanels::StatusPanels(QStatusBar* bar) : bar_(bar) {
  bar->setSizeGripEnabled(false);
  for (int panel = 0; panel < 3; ++panel) {
    auto* label = new QLabel(bar);
    label->setObjectName(QString("StatusPanel%1").arg(panel));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(0);
    bar->addWidget(label);
    labels_[panel] = label;
  }
  labels_[2]->setFixedWidth(kSparePanelWidth);
  Layout(bar->width());
}

void StatusPanels::Layout(int bar_width) {
  const int rest = bar_width - kReservedWidth;
  labels_[0]->setFixedWidth(std::max(0, static_cast<int>(std::lround(rest * 0.4))));
  labels_[1]->setFixedWidth(std::max(0, static_cast<int>(std::lround(rest * 0.6))));
}

void StatusPanels::SetTexts(const std::array<std::string, 3>& texts) {
  for (int panel = 0; panel < 3; ++panel) SetText(panel, ToQString(texts[panel]));
}

void StatusPanels::SetText(int panel, const QString& text) {
  if (labels_[panel]->text() != text) labels_[panel]->setText(text);
}

}  // namespace kortiv
