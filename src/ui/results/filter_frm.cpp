#include "ui/results/filter_frm.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace kortiv {
namespace {

constexpr int kStepMaximumAtStart = 5;

QRadioButton* Radio(const char* name, const QString& text, QWidget* parent) {
  auto* button = new QRadioButton(text, parent);
  button->setObjectName(name);
  return button;
}

QSpinBox* Spin(const char* name, int minimum, int maximum, int value, QWidget* parent) {
  auto* spin = new QSpinBox(parent);
  spin->setObjectName(name);
  spin->setRange(minimum, maximum);
  spin->setValue(value);
  return spin;
}

}  // namespace

TfrmFilter::TfrmFilter(int last_point, const QString& step_caption, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      last_point_(last_point) {
  setObjectName("frmFilter");
  setProperty("helpTopic", "filter");
  setWindowTitle("Выберите ...");
  auto* range = new QGroupBox("... диапазон :", this);
  range->setObjectName("grbBefore");
  BuildRangeGroup(range);
  auto* step = new QGroupBox(step_caption, this);
  step->setObjectName("grbStep");
  BuildStepGroup(step);

  auto* ok = new QPushButton("Принять", this);
  ok->setObjectName("btnOK");
  ok->setDefault(true);
  auto* cancel = new QPushButton("Отменить", this);
  cancel->setObjectName("btnCancel");
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(range);
  layout->addWidget(step);
  layout->addLayout(buttons);
  Activate();
}

void TfrmFilter::BuildRangeGroup(QGroupBox* group) {
  rbALL_ = Radio("rbALL", {}, group);
  rbBetween_ = Radio("rbBetween", "от точки №", group);
  cseFirst_ = Spin("cseFirst", 0, 0, 0, group);
  cseLast_ = Spin("cseLast", 1, 1, 1, group);
  auto* layout = new QGridLayout(group);
  layout->addWidget(rbALL_, 0, 0, 1, 4);
  layout->addWidget(rbBetween_, 1, 0);
  layout->addWidget(cseFirst_, 1, 1);
  layout->addWidget(new QLabel("до точки №", group), 1, 2);
  layout->addWidget(cseLast_, 1, 3);
  connect(cseFirst_, &QSpinBox::valueChanged, this, [this](int first) {
    rbBetween_->setChecked(true);
    cseLast_->setMinimum(first + 1);
  });
  connect(cseLast_, &QSpinBox::valueChanged, this, [this](int last) {
    rbBetween_->setChecked(true);
    cseFirst_->setMaximum(std::max(last - 1, 0));
  });
}

void TfrmFilter::BuildStepGroup(QGroupBox* group) {
  rbStep1_ = Radio("rbStep1", "каждую точку", group);
  rbStep10_ = Radio("rbStep10", "каждую 10-ю точку", group);
  rbStep100_ = Radio("rbStep100", "каждую 100-ю точку", group);
  rbStepN_ = Radio("rbStepN", "каждую", group);
  cseStep_ = Spin("cseStep", 1, kStepMaximumAtStart, kStepMaximumAtStart, group);
  auto* layout = new QGridLayout(group);
  layout->addWidget(rbStep1_, 0, 0, 1, 3);
  layout->addWidget(rbStep10_, 1, 0, 1, 3);
  layout->addWidget(rbStep100_, 2, 0, 1, 3);
  layout->addWidget(rbStepN_, 3, 0);
  layout->addWidget(cseStep_, 3, 1);
  layout->addWidget(new QLabel("-ю точку", group), 3, 2);
  connect(cseStep_, &QSpinBox::valueChanged, this, [this] { rbStepN_->setChecked(true); });
}

// The limits of the calculated range; the whole range and every point
// chosen.
void TfrmFilter::Activate() {
  const QSignalBlocker first(cseFirst_);
  const QSignalBlocker last(cseLast_);
  const QSignalBlocker step(cseStep_);
  rbALL_->setText(QString("весь рассчитанный диапазон (от 0 до %1)").arg(last_point_));
  cseFirst_->setMaximum(std::max(last_point_ - 1, 0));
  cseLast_->setMaximum(std::max(last_point_, 1));
  cseLast_->setValue(last_point_);
  cseStep_->setMaximum(std::max(last_point_, 1));
  rbALL_->setChecked(true);
  rbStep1_->setChecked(true);
}

PointFilter TfrmFilter::Filter() const {
  PointFilter filter = WholeRange(last_point_);
  if (rbBetween_->isChecked()) {
    filter.last = cseLast_->value();
    filter.first = std::min(cseFirst_->value(), filter.last - 1);
  }
  filter.step = rbStep1_->isChecked()     ? 1
                : rbStep10_->isChecked()  ? 10
                : rbStep100_->isChecked() ? 100
                                          : std::max(cseStep_->value(), 1);
  return filter;
}

std::optional<PointFilter> AskPointFilter(QWidget* parent, int last_point,
                                          const QString& step_caption) {
  TfrmFilter dialog(last_point, step_caption, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Filter();
}

}  // namespace kortiv
