#include "ui/status_panels.h"

#include <QApplication>
#include <QThread>
#include <cmath>

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
    bar->addWidget(label);
    labels_[panel] = label;
  }
  labels_[2]->setFixedWidth(kSparePanelWidth);
  Layout();
}

void StatusPanels::Layout() {
  const int rest = bar_->width() - kReservedWidth;
  labels_[0]->setFixedWidth(std::max(0, static_cast<int>(std::lround(rest * 0.4))));
  labels_[1]->setFixedWidth(std::max(0, static_cast<int>(std::lround(rest * 0.6))));
}

void StatusPanels::SetText(int panel, std::string_view text) {
  if (panel < 0 || panel > 2) return;
  const QString value = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  QLabel* label = labels_[panel];
  if (QThread::currentThread() == label->thread()) {
    label->setText(value);
  } else {
    QMetaObject::invokeMethod(label, [label, value] { label->setText(value); });
  }
}

void StatusPanels::Repaint() {
  if (QThread::currentThread() != bar_->thread()) return;
  for (auto* label : labels_) label->repaint();
}

void StatusPanels::Clear() {
  for (auto* label : labels_) label->clear();
}

}  // namespace kortiv
