#pragma once

// Opens the parameter form on a scheme of its own and drives it with real
// mouse clicks and key presses.

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "model/model_file.h"
#include "model/scheme.h"
#include "model/user_settings.h"
#include "recording_messenger.h"
#include "ui/params/coefficient_grid_view.h"
#include "ui/params/parameters_dialog.h"

namespace kortiv::test {

class ParameterFormFixture {
 public:
  // Places a new element of `code` in the next column of row 0.
  int Place(int code) { return scheme.AppendElement(code, 0, {0, scheme.ElementCount()}); }

  // Opens and shows the form of element `element` (0: the integration
  // parameters).
  TfrmParametersSet* Open(int element) {
    form = TfrmParametersSet::Create(Context(), element);
    if (!form) return nullptr;
    form->show();
    if (!QTest::qWaitForWindowActive(form.get())) form->activateWindow();
    return form.get();
  }
  TfrmParametersSet* OpenNew(int code) { return Open(Place(code)); }

  ParameterContext Context() {
    return MakeParameterContext(scheme, times, stats, settings, messages);
  }

  template <class Widget = QWidget>
  Widget* Find(const char* name) const {
    return form->findChild<Widget*>(QString::fromLatin1(name));
  }
  QLineEdit* Text(const char* name) const { return Find<QLineEdit>(name); }
  QSpinBox* Spin(const char* name) const { return Find<QSpinBox>(name); }
  QString Caption(const char* label) const { return Find<QLabel>(label)->text(); }
  QAbstractButton* Button(const char* name) const { return Find<QAbstractButton>(name); }
  CoefficientGridView* Grid() const { return Find<CoefficientGridView>("StringGridPar"); }

  // Replaces the text of a field the way a user does: select it all, type.
  void Type(QWidget* field, const QString& text) {
    QTest::mouseDClick(field, Qt::LeftButton);
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
  }
  // Types into the current cell of the grid: the first key opens the cell's
  // editor, which takes the rest; Enter closes it.
  void TypeInGrid(const QString& text) {
    for (QChar key : text) QTest::keyClick(QApplication::focusWidget(), key.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  void TypeInCell(int row, int column, const QString& text) {
    Grid()->SetCurrentGridCell(row, column);
    Grid()->setFocus();
    TypeInGrid(text);
  }
  // Clicks item i of a radio group on its caption.
  QAbstractButton* ChooseItem(const char* group, int i) {
    QAbstractButton* item = Find(group)->findChildren<QAbstractButton*>()[i];
    QTest::mouseClick(item, Qt::LeftButton, {}, QPoint(8, item->height() / 2));
    return item;
  }
  void Click(const char* button) { QTest::mouseClick(Button(button), Qt::LeftButton); }
  void Accept() { Click("cmdOK"); }

  std::vector<float> Block(int element) const {
    std::vector<float> values;
    for (int i = 0; i < scheme.GetParamCount(element); ++i) {
      values.push_back(scheme.ElementParam(element, i));
    }
    return values;
  }
  std::string Bytes() const { return EncodeModelImage(scheme, "model"); }

  RecordingMessenger messages;
  Scheme scheme{messages};
  WorkingTimes times;
  TimeScaleStats stats;
  UserSettings settings;
  std::unique_ptr<TfrmParametersSet> form;
};

}  // namespace kortiv::test
