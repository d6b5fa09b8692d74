// The parameter form opened from the main window: Enter on a selected
// element and the integration command open it; what "Принять" stores is one
// undo step that gives back the exact model bytes; "Отменить" changes
// nothing.

#include <QLineEdit>
#include <QSpinBox>
#include <QTimer>
#include <functional>

#include "desktop_fixture.h"
#include "model/model_file.h"
#include "ui/params/parameters_dialog.h"

namespace kortiv::test {

class ParametersUndoTest : public QObject {
  Q_OBJECT

 private slots:
  void EnterOnAnElementOpensItsForm();
  void UndoGivesBackTheModelBeforeTheForm();
  void UndoShrinksAGrownGeneralElementAndMovesLaterBlocksBack();
  void CancelChangesNothing();
  void IntegrationParametersAreOneStepToo();
};

namespace {

using Steps = std::function<void(TfrmParametersSet&)>;

std::string Bytes(const Document& doc) {
  return EncodeModelImage(doc.scheme(), doc.model_name());
}

// Answers the next modal form with `steps`, recording the element's name.
void WhenTheFormOpens(Steps steps, QString* name = nullptr) {
  QTimer::singleShot(0, [=] {
    auto* form = qobject_cast<TfrmParametersSet*>(QApplication::activeModalWidget());
    QVERIFY2(form != nullptr, "no parameter form opened");
    if (name) *name = form->findChild<QLabel*>("lblNameMod")->text();
    steps(*form);
  });
}

void Type(TfrmParametersSet& form, const char* field, const QString& text) {
  QWidget* edit = form.findChild<QWidget*>(field);
  edit->setFocus();
  QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(edit, text);
  if (auto* line = qobject_cast<QLineEdit*>(edit)) QCOMPARE(line->text(), text);
}

void Press(TfrmParametersSet& form, const char* button) {
  QTest::mouseClick(form.findChild<QAbstractButton*>(button), Qt::LeftButton);
}

// Places `code` at a window cell and selects it.
int PlaceAndSelect(Desktop& d, int code, Cell cell) {
  d.doc.PlaceElement(code, d.Editor()->StoredCell(cell), OnOccupied::kRefuse);
  d.Click(cell);
  return d.ElementIn(cell);
}

// Selects the element at `cell`, presses Enter in the field and answers
// the form with `steps`.
void EnterOn(Desktop& d, Cell cell, Steps steps) {
  d.Click(cell);
  WhenTheFormOpens(std::move(steps));
  QTest::keyClick(d.Field(), Qt::Key_Return);
}

}  // namespace

void ParametersUndoTest::EnterOnAnElementOpensItsForm() {
  Desktop d;
  const int element = PlaceAndSelect(d, 204, {1, 1});
  QVERIFY(element > 0);
  QVERIFY(d.doc.scheme().ParamsMissing(element));
  QString name;
  WhenTheFormOpens([](TfrmParametersSet& form) { Press(form, "cmdOK"); }, &name);
  QTest::keyClick(d.Field(), Qt::Key_Return);
  QCOMPARE(name, QString("Апериодическое (инерционное) звено 1-го порядка"));
  QVERIFY(!d.doc.scheme().ParamsMissing(element));
  QCOMPARE(d.doc.scheme().GetParamCount(element), 3);
  QCOMPARE(d.doc.model_state(), ModelState::kNewChanged);
  QVERIFY(d.doc.CanUndo());

  // An empty cell has no form to open.
  d.Click({2, 3});
  QVERIFY(!d.Action("mnuParamMod")->isEnabled());
  QTest::keyClick(d.Field(), Qt::Key_Return);
  QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void ParametersUndoTest::UndoGivesBackTheModelBeforeTheForm() {
  Desktop d;
  const int element = PlaceAndSelect(d, 211, {2, 1});
  const std::string before = Bytes(d.doc);
  WhenTheFormOpens([](TfrmParametersSet& form) {
    Type(form, "txtPar3", "0,25");
    Press(form, "cmdOK");
  });
  QTest::keyClick(d.Field(), Qt::Key_Return);
  QCOMPARE(d.doc.scheme().ElementParam(element, 2), 0.25f);
  QVERIFY(d.Action("mnuUndo")->isEnabled());
  QVERIFY(!d.doc.SchemeChecked());

  d.Action("mnuUndo")->trigger();
  QVERIFY(Bytes(d.doc) == before);
  QVERIFY(d.doc.scheme().ParamsMissing(element));
  d.Action("mnuRedo")->trigger();
  QCOMPARE(d.doc.scheme().ElementParam(element, 2), 0.25f);
}

void ParametersUndoTest::UndoShrinksAGrownGeneralElementAndMovesLaterBlocksBack() {
  Desktop d;
  // The gain stands before the general element in the table, its block
  // after it in the store.
  const int gain = PlaceAndSelect(d, 200, {2, 3});
  const int general = PlaceAndSelect(d, 212, {2, 1});
  const int sum = PlaceAndSelect(d, 204, {3, 1});
  const Steps accept = [](TfrmParametersSet& form) { Press(form, "cmdOK"); };
  EnterOn(d, {2, 1}, accept);
  EnterOn(d, {2, 3}, [](TfrmParametersSet& form) {
    Type(form, "txtPar1", "7");
    Press(form, "cmdOK");
  });
  EnterOn(d, {3, 1}, accept);
  const Scheme& scheme = d.doc.scheme();
  QVERIFY(scheme.GetParamAddress(gain) > scheme.GetParamAddress(general));
  const int gain_address = scheme.GetParamAddress(gain);
  const int sum_address = scheme.GetParamAddress(sum);
  const std::string before = Bytes(d.doc);

  EnterOn(d, {2, 1}, [](TfrmParametersSet& form) {
    Type(form, "cseN", "5");
    Press(form, "cmdApply");
    Press(form, "cmdOK");
  });
  QCOMPARE(scheme.GetParamCount(general), 14);
  QCOMPARE(scheme.GetParamAddress(gain), gain_address + 4);
  QCOMPARE(scheme.GetParamAddress(sum), sum_address + 4);
  QCOMPARE(scheme.ElementParam(gain, 0), 7.0f);

  QVERIFY(d.doc.Undo());
  QVERIFY(Bytes(d.doc) == before);
  QCOMPARE(scheme.GetParamAddress(gain), gain_address);
  QCOMPARE(scheme.GetParamCount(general), 10);
}

void ParametersUndoTest::CancelChangesNothing() {
  Desktop d;
  PlaceAndSelect(d, 207, {2, 1});
  EnterOn(d, {2, 1}, [](TfrmParametersSet& form) { Press(form, "cmdOK"); });
  const std::string before = Bytes(d.doc);
  QVERIFY(d.doc.Undo());
  QVERIFY(d.doc.Redo());
  QVERIFY(!d.doc.CanRedo());

  EnterOn(d, {2, 1}, [](TfrmParametersSet& form) {
    Type(form, "txtPar2", "5");
    Press(form, "cmdNo");
  });
  WhenTheFormOpens([](TfrmParametersSet& form) {
    Type(form, "txtPar3", "0,1");
    QTest::keyClick(form.findChild<QWidget*>("txtPar3"), Qt::Key_Escape);
  });
  d.Action("mnuParamIntegr")->trigger();
  QVERIFY(Bytes(d.doc) == before);
  // No step was added: one undo takes the scheme back before the parameters.
  QVERIFY(d.doc.Undo());
  QVERIFY(d.doc.scheme().ParamsMissing(1));
}

void ParametersUndoTest::IntegrationParametersAreOneStepToo() {
  Desktop d;
  const std::string before = Bytes(d.doc);
  WhenTheFormOpens([](TfrmParametersSet& form) {
    Type(form, "txtPar3", "12,5");
    Press(form, "cmdOK");
  });
  QTest::keyClick(d.Field(), Qt::Key_I, Qt::ControlModifier);
  QCOMPARE(d.doc.scheme().Tk(), 12.5f);
  QCOMPARE(d.doc.working_times().tk, 12.5f);
  QCOMPARE(d.doc.model_state(), ModelState::kNewChanged);
  d.Action("mnuUndo")->trigger();
  QVERIFY(Bytes(d.doc) == before);
}

}  // namespace kortiv::test

QTEST_MAIN(kortiv::test::ParametersUndoTest)
#include "parameters_undo_test.moc"
