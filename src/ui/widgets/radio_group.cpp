#include "ui/widgets/radio_group.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>
#include <QSignalBlocker>

namespace kortiv {

RadioGroup::RadioGroup(const QString& name, const QString& caption, const QStringList& items,
                       int columns, QWidget* parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this)) {
  setObjectName(name);
  auto* layout = new QGridLayout(this);
  const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
  for (int i = 0; i < items.size(); ++i) {
    auto* button = new QRadioButton(items[i], this);
    button->setObjectName(name + "_" + QString::number(i));
    buttons_->addButton(button, i);
    layout->addWidget(button, i % rows, i / rows);
  }
  connect(buttons_, &QButtonGroup::idClicked, this, &RadioGroup::itemChosen);
}

int RadioGroup::ItemIndex() const {
  return buttons_->checkedId();
}

void RadioGroup::SetItemIndex(int index) {
  const QSignalBlocker quiet(buttons_);
  if (QAbstractButton* button = buttons_->button(index)) button->setChecked(true);
}

}  // namespace kortiv
