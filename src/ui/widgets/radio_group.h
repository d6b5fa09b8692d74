#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace kortiv {

// A captioned group of radio buttons, one chosen, read and set by its item
// index. The buttons are named after the group: name_0, name_1, ...
class RadioGroup : public QGroupBox {
  Q_OBJECT

 public:
  RadioGroup(const QString& name, const QString& caption, const QStringList& items, int columns = 1,
             QWidget* parent = nullptr);

  int ItemIndex() const;
  // Chooses an item without announcing it.
  void SetItemIndex(int index);

 signals:
  // The user chose another item.
  void itemChosen(int index);

 private:
  QButtonGroup* buttons_;
};

}  // namespace kortiv
