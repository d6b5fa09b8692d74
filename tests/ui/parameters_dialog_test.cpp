// Entering parameters through the form's widgets: derived quantities, the
// orders of the general element, integers stored away from zero, both
// decimal separators, texts that are not numbers, cancelling, and the
// keyboard rules (first field selected, Enter accepts, the grid's Enter
// moves on, the refused field gets the focus).

#include <QTimer>

#include "model/catalogue.h"
#include "parameter_form_fixture.h"

namespace kortiv::test {

using Texts = std::vector<std::string>;

class ParametersDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void NewAperiodicElementGetsItsBlockAtTheTop();
  void RecalculationShowsThePointCount();
  void RecalculationFollowsOnlyItsOwnFields();
  void GeneralElementNeedsItsOrdersApplied();
  void GeneralElementShowsItsStoredCoefficients();
  void GrowingTheGeneralElementMovesLaterBlocks();
  void SweepGeneratorKeepsNegativeDecades();
  void CommaAndPointStoreTheSameValue();
  void TextThatIsNotANumberKeepsTheFormOpen();
  void RefusedValuesKeepTheTypedTexts();
  void PulseCountStaysWithinItsLimits();
  void CancelAndEscapeChangeNothing();
  void OpensWithTheFirstFieldSelected();
  void EnterAcceptsFromAnyField();
  void TabFollowsTheFieldsDownwards();
  void EnterInTheGridMovesToTheNextCell();
  void RunParameterDialogChangesTheSchemeOnlyWhenAccepted();
};

void ParametersDialogTest::NewAperiodicElementGetsItsBlockAtTheTop() {
  ParameterFormFixture f;
  const int gain = f.Place(200);
  f.Open(gain);
  f.Accept();
  const int aperiodic = f.Place(204);
  const int top = f.scheme.ParamTop();
  f.Open(aperiodic);
  QCOMPARE(f.Text("txtPar1")->text(), QString("1"));
  QCOMPARE(f.Text("txtPar2")->text(), QString("1"));
  QCOMPARE(f.Text("txtPar3")->text(), QString("0"));
  f.Type(f.Text("txtPar2"), "2,5");
  f.Accept();
  QVERIFY(!f.form->isVisible());
  QVERIFY(f.form->outcome().block_allocated && f.form->outcome().model_changed);
  QCOMPARE(f.scheme.GetParamAddress(aperiodic), top);
  QCOMPARE(f.scheme.ParamTop(), top + 3);
  QCOMPARE(f.Block(aperiodic), (std::vector<float>{1, 2.5f, 0}));
  QCOMPARE(f.Block(gain), std::vector<float>{1});
}

void ParametersDialogTest::RecalculationShowsThePointCount() {
  ParameterFormFixture f;
  f.scheme.SetParam(2, 10);
  f.Open(0);
  QCOMPARE(f.Text("txtAux1")->text(), QString("1001"));
  QVERIFY(!f.Button("cmdApply")->isEnabled());
  f.Type(f.Text("txtPar3"), "5");
  QVERIFY(f.Button("cmdApply")->isEnabled());
  QCOMPARE(f.Text("txtAux1")->text(), QString("1001"));  // only the button recalculates
  f.Click("cmdApply");
  QCOMPARE(f.Text("txtAux1")->text(), QString("501"));
  QVERIFY(!f.Button("cmdApply")->isEnabled());
  QCOMPARE(f.scheme.Tk(), 10.0f);  // nothing is stored before "Принять"
  f.Accept();
  QCOMPARE(f.scheme.Tk(), 5.0f);
  QCOMPARE(f.times.tk, 5.0f);
}

void ParametersDialogTest::RecalculationFollowsOnlyItsOwnFields() {
  ParameterFormFixture f;
  f.OpenNew(110);  // the frequency follows the period, txtPar3
  f.Type(f.Text("txtPar2"), "0,25");
  QVERIFY(!f.Button("cmdApply")->isEnabled());
  f.Type(f.Text("txtPar3"), "4");
  QVERIFY(f.Button("cmdApply")->isEnabled());
  f.Click("cmdApply");
  QCOMPARE(f.Text("txtAux1")->text(), QString("0.25"));
  // A refused value leaves the button enabled and the quantity as it was.
  f.Type(f.Text("txtPar3"), "0");
  f.Click("cmdApply");
  QCOMPARE(f.messages.Texts(), Texts{"Период должен быть положительным!"});
  QVERIFY(f.Button("cmdApply")->isEnabled());
  QVERIFY(f.Text("txtPar3")->hasFocus());
  QCOMPARE(f.Text("txtAux1")->text(), QString("0.25"));
}

void ParametersDialogTest::GeneralElementNeedsItsOrdersApplied() {
  ParameterFormFixture f;
  const int element = f.Place(kGeneralLinearCode);
  f.Open(element);
  CoefficientGridView* grid = f.Grid();
  QCOMPARE(grid->GridColumnCount(), 5);
  QCOMPARE(f.Spin("cseN")->toolTip(),
           QString("Для активации нового значения n используйте кнопку 'Применить n и m'."));
  QCOMPARE(f.Spin("cseM")->toolTip(),
           QString("Для активации нового значения m используйте кнопку 'Применить n и m'."));
  f.Type(f.Spin("cseN"), "5");
  QVERIFY(f.Button("cmdApply")->isEnabled());
  QCOMPARE(grid->GridColumnCount(), 5);  // only the button rebuilds
  f.Accept();
  QCOMPARE(f.messages.Texts(),
           Texts{"Величины n и/или m были изменены, но не активизированы! Сохранение прервано. "
                 "Для активизации используйте кнопку 'Применить n и m'."});
  QVERIFY(f.form->isVisible());
  QVERIFY(f.Button("cmdApply")->hasFocus());
  QVERIFY(f.scheme.ParamsMissing(element));

  const int low = grid->height();
  f.Click("cmdApply");
  QCOMPARE(grid->GridColumnCount(), 7);
  QVERIFY(!f.Button("cmdApply")->isEnabled());
  // Six coefficients scroll; the grid makes room for its scroll bar.
  QVERIFY(grid->height() > low);
  QVERIFY(f.form->rect().contains(grid->geometry()));
  for (int column = 1; column < 7; ++column) {
    const int index = 6 - column;
    QCOMPARE(grid->CellText(0, column), QString::number(index));
    QCOMPARE(grid->CellText(1, column), index >= 1 ? QString("нет") : QString("1"));
    QCOMPARE(grid->CellText(2, column), QString("1"));
    QCOMPARE(grid->CellText(3, column), index == 5 ? QString("нет") : QString("0"));
  }
  QCOMPARE(grid->CellText(3, 0), QString("Нач.усл. y(i)(0)"));
  QVERIFY(!grid->CellEditable(1, 1));  // "нет"
  QVERIFY(!grid->CellEditable(0, 3));  // the index row
  QVERIFY(grid->CellEditable(1, 6));

  // A typed coefficient goes back to its default when the orders are applied.
  f.TypeInCell(2, 1, "7");
  QCOMPARE(grid->CellText(2, 1), QString("7"));
  f.Type(f.Spin("cseN"), "4");
  f.Type(f.Spin("cseN"), "5");
  f.Click("cmdApply");
  QCOMPARE(grid->CellText(2, 1), QString("1"));

  f.TypeInCell(2, 1, "2,5");
  f.messages.Clear();
  f.Accept();
  QVERIFY(!f.form->isVisible());
  // m, n, b_0, a_0..a_5, y(0)..y^(4)(0).
  QCOMPARE(f.Block(element),
           (std::vector<float>{0.1f, 5.1f, 1, 1, 1, 1, 1, 1, 2.5f, 0, 0, 0, 0, 0}));
  QCOMPARE(f.scheme.GetParamCount(element), 14);
}

void ParametersDialogTest::GeneralElementShowsItsStoredCoefficients() {
  ParameterFormFixture f;
  const int element = f.Place(kGeneralLinearCode);
  f.Open(element);
  f.Type(f.Spin("cseM"), "1");
  f.Type(f.Spin("cseN"), "2");
  f.Click("cmdApply");
  CoefficientGridView* grid = f.Grid();
  QCOMPARE(grid->GridColumnCount(), 4);
  const auto type = [&](int row, int column, const char* text) { f.TypeInCell(row, column, text); };
  type(1, 2, "3");    // b_1
  type(2, 1, "0.5");  // a_2
  type(3, 2, "-1");   // y'(0)
  f.Accept();
  QCOMPARE(f.Block(element), (std::vector<float>{1.1f, 2.1f, 1, 3, 1, 1, 0.5f, 0, -1}));

  f.Open(element);
  grid = f.Grid();
  QCOMPARE(f.Spin("cseM")->value(), 1);
  QCOMPARE(f.Spin("cseN")->value(), 2);
  QCOMPARE(grid->CellText(1, 2), QString("3"));
  QCOMPARE(grid->CellText(1, 1), QString("нет"));
  QCOMPARE(grid->CellText(2, 1), QString("0.5"));
  QCOMPARE(grid->CellText(3, 2), QString("-1"));
  QCOMPARE(grid->CellText(3, 1), QString("нет"));

  // A zero leading coefficient is refused and stores nothing.
  type(2, 1, "0");
  f.messages.Clear();
  f.Accept();
  QCOMPARE(f.messages.Texts(), Texts{"Старший коэффициент знаменателя не должен быть нулевым!"});
  QVERIFY(f.form->isVisible());
  QVERIFY(grid->hasFocus());
  QCOMPARE(grid->currentRow(), 2);
  QCOMPARE(grid->CurrentGridColumn(), 1);
  QCOMPARE(f.scheme.ElementParam(element, 6), 0.5f);
}

void ParametersDialogTest::GrowingTheGeneralElementMovesLaterBlocks() {
  ParameterFormFixture f;
  const int general = f.Place(kGeneralLinearCode);
  const int gain = f.Place(200);
  f.Open(general);
  f.Accept();
  f.Open(gain);
  f.Type(f.Text("txtPar1"), "7");
  f.Accept();
  const int gain_address = f.scheme.GetParamAddress(gain);
  QCOMPARE(gain_address, f.scheme.GetParamAddress(general) + 10);

  f.Open(general);
  f.Type(f.Spin("cseN"), "5");
  f.Click("cmdApply");
  f.Accept();
  QVERIFY(!f.form->isVisible());
  QCOMPARE(f.scheme.GetParamCount(general), 14);
  QCOMPARE(f.scheme.GetParamAddress(gain), gain_address + 4);
  QCOMPARE(f.Block(gain), std::vector<float>{7});
  QCOMPARE(f.scheme.ParamTop(), f.scheme.GetParamAddress(gain) + 1);
}

void ParametersDialogTest::SweepGeneratorKeepsNegativeDecades() {
  ParameterFormFixture f;
  const int element = f.Place(kSweepGeneratorCode);
  f.Open(element);
  f.Type(f.Spin("cseM"), "-2");
  f.ChooseItem("rgView", 3);
  f.ChooseItem("rgScale", 2);
  f.Accept();
  QVERIFY(!f.form->isVisible());
  QCOMPARE(f.Block(element), (std::vector<float>{-2.1f, 4.1f, 3.1f, 2.1f, 90.1f}));
  f.Open(element);
  QCOMPARE(f.Spin("cseM")->value(), -2);
  QVERIFY(f.Find("rgView")->findChildren<QAbstractButton*>()[3]->isChecked());
  QVERIFY(f.Find("rgScale")->findChildren<QAbstractButton*>()[2]->isChecked());

  // m must stay below n.
  f.Type(f.Spin("cseM"), "4");
  f.Accept();
  QCOMPARE(f.messages.Texts(), Texts{"Величина m должна быть меньше величины n!"});
  QVERIFY(f.form->isVisible());
  QVERIFY(f.Spin("cseM")->hasFocus());
}

void ParametersDialogTest::CommaAndPointStoreTheSameValue() {
  ParameterFormFixture f;
  const int first = f.Place(200);
  const int second = f.Place(200);
  f.Open(first);
  f.Type(f.Text("txtPar1"), "1,5");
  f.Accept();
  f.Open(second);
  f.Type(f.Text("txtPar1"), "1.5");
  f.Accept();
  QCOMPARE(f.Block(first), std::vector<float>{1.5f});
  QCOMPARE(f.Block(second), f.Block(first));
  QVERIFY(f.messages.entries.empty());
}

void ParametersDialogTest::TextThatIsNotANumberKeepsTheFormOpen() {
  ParameterFormFixture f;
  const int element = f.Place(204);
  f.Open(element);
  f.Type(f.Text("txtPar3"), "x");
  f.Accept();
  QVERIFY(f.form->isVisible());
  QCOMPARE(f.messages.entries.size(), std::size_t{1});
  QCOMPARE(f.messages.entries[0].text, std::string("Вы ввели ошибочное число!"));
  QCOMPARE(f.messages.entries[0].caption, std::string("Повторите ввод"));
  QVERIFY(f.scheme.ParamsMissing(element));
  QCOMPARE(f.Text("txtPar3")->text(), QString("x"));
  // The student corrects it at once: the field has the focus, its text selected.
  QVERIFY(f.Text("txtPar3")->hasFocus());
  QCOMPARE(f.Text("txtPar3")->selectedText(), QString("x"));
  QTest::keyClicks(f.Text("txtPar3"), "0,5");
  QTest::keyClick(f.Text("txtPar3"), Qt::Key_Return);
  QVERIFY(!f.form->isVisible());
  QCOMPARE(f.Block(element), (std::vector<float>{1, 1, 0.5f}));
}

void ParametersDialogTest::RefusedValuesKeepTheTypedTexts() {
  ParameterFormFixture f;
  const int element = f.Place(211);
  f.Open(element);
  f.Type(f.Text("txtPar3"), "1.0001");
  f.Type(f.Text("txtAux1"), "0,3");
  f.Accept();
  QCOMPARE(f.messages.Texts(), Texts{"Для колебательного звена должно выполняться: |d|<=1 !"});
  QVERIFY(f.form->isVisible());
  QCOMPARE(f.Text("txtPar3")->text(), QString("1.0001"));
  QCOMPARE(f.Text("txtAux1")->text(), QString("0,3"));
  QVERIFY(f.scheme.ParamsMissing(element));
  // The focus goes to the damping the message is about, ready to be retyped.
  QVERIFY(f.Text("txtPar3")->hasFocus());
  QCOMPARE(f.Text("txtPar3")->selectedText(), QString("1.0001"));
  QTest::keyClicks(f.Text("txtPar3"), "-1");
  f.Accept();
  QVERIFY(!f.form->isVisible());
  QCOMPARE(f.Block(element), (std::vector<float>{1, 1, -1, 0, 0.3f}));
}

void ParametersDialogTest::PulseCountStaysWithinItsLimits() {
  ParameterFormFixture f;
  const int element = f.Place(107);
  f.Open(element);
  QSpinBox* count = f.Spin("cseN");
  QCOMPARE(count->minimum(), 1);
  QCOMPARE(count->maximum(), 100000);
  f.Type(count, "1");
  QTest::keyClick(count, Qt::Key_Down);
  QCOMPARE(count->value(), 1);
  f.Type(count, "999999");
  QVERIFY(count->value() <= 100000);
  f.Type(count, "100000");
  QTest::keyClick(count, Qt::Key_Up);
  QCOMPARE(count->value(), 100000);
  f.Accept();
  QVERIFY(!f.form->isVisible());
  QCOMPARE(f.scheme.ElementParam(element, 1), 100000.1f);
}

void ParametersDialogTest::CancelAndEscapeChangeNothing() {
  ParameterFormFixture f;
  const int element = f.Place(204);
  f.Open(element);
  f.Accept();
  const std::string before = f.Bytes();

  f.Open(element);
  f.Type(f.Text("txtPar1"), "9");
  f.Click("cmdNo");
  QVERIFY(!f.form->isVisible());
  QCOMPARE(f.form->result(), int(QDialog::Rejected));

  f.Open(0);
  f.Type(f.Text("txtPar2"), "0,5");
  QTest::keyClick(f.Text("txtPar2"), Qt::Key_Escape);
  QVERIFY(!f.form->isVisible());
  QCOMPARE(f.form->result(), int(QDialog::Rejected));
  QVERIFY(f.Bytes() == before);
  QCOMPARE(f.times.h, WorkingTimes{}.h);
}

void ParametersDialogTest::OpensWithTheFirstFieldSelected() {
  ParameterFormFixture f;
  const int element = f.Place(300);
  f.Open(element);
  QLineEdit* first = f.Text("txtPar1");
  QVERIFY(first->hasFocus());
  QCOMPARE(first->selectedText(), first->text());
  QTest::keyClicks(first, "2");  // typing replaces the value
  QCOMPARE(first->text(), QString("2"));

  f.OpenNew(kSweepGeneratorCode);
  QVERIFY(f.Spin("cseM")->hasFocus());
  QTest::keyClicks(f.Spin("cseM"), "-3");
  QCOMPARE(f.Spin("cseM")->value(), -3);
}

void ParametersDialogTest::EnterAcceptsFromAnyField() {
  ParameterFormFixture f;
  const int element = f.Place(107);
  f.Open(element);
  QTest::keyClick(f.Text("txtPar4"), Qt::Key_Return);
  QVERIFY(!f.form->isVisible());
  QCOMPARE(f.form->result(), int(QDialog::Accepted));

  f.Open(element);
  f.Type(f.Spin("cseN"), "6");
  QTest::keyClick(f.Spin("cseN"), Qt::Key_Enter);
  QVERIFY(!f.form->isVisible());
  QCOMPARE(f.scheme.ElementParam(element, 1), 6.1f);

  const int sweep = f.Place(kSweepGeneratorCode);
  f.Open(sweep);
  QAbstractButton* item = f.ChooseItem("rgView", 1);
  QTest::keyClick(item, Qt::Key_Return);
  QVERIFY(!f.form->isVisible());
  QCOMPARE(f.scheme.ElementParam(sweep, 2), 1.1f);
}

void ParametersDialogTest::TabFollowsTheFieldsDownwards() {
  ParameterFormFixture f;
  f.OpenNew(210);
  QStringList visited;
  for (int i = 0; i < 8; ++i) {
    visited << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  QCOMPARE(visited, (QStringList{"txtPar1", "txtPar2", "txtPar3", "txtPar4", "txtAux1", "cmdOK",
                                 "cmdNo", "txtPar1"}));

  f.Open(0);
  visited.clear();
  for (int i = 0; i < 6; ++i) {
    visited << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  // The point count is read-only, the recalculation starts disabled.
  QCOMPARE(visited, (QStringList{"txtPar1", "txtPar2", "txtPar3", "cmdOK", "cmdNo", "txtPar1"}));

  // Once enabled, the recalculation is reached between the two buttons it stands between.
  f.Type(f.Text("txtPar1"), "1");
  visited.clear();
  for (int i = 0; i < 7; ++i) {
    visited << QApplication::focusWidget()->objectName();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  }
  QCOMPARE(visited,
           (QStringList{"txtPar1", "txtPar2", "txtPar3", "cmdOK", "cmdApply", "cmdNo", "txtPar1"}));
}

void ParametersDialogTest::EnterInTheGridMovesToTheNextCell() {
  ParameterFormFixture f;
  const int element = f.Place(kGeneralLinearCode);
  f.Open(element);
  f.Type(f.Spin("cseM"), "1");
  f.Type(f.Spin("cseN"), "1");
  f.Click("cmdApply");
  CoefficientGridView* grid = f.Grid();
  // Editable: b_1 b_0 / a_1 a_0 / y(0); Enter walks them in reading order.
  QCOMPARE(grid->currentRow(), 1);
  QCOMPARE(grid->CurrentGridColumn(), 1);
  f.TypeInGrid("2");
  QCOMPARE(grid->currentRow(), 1);
  QCOMPARE(grid->CurrentGridColumn(), 2);
  QTest::keyClick(grid, Qt::Key_Return);
  QCOMPARE(grid->currentRow(), 2);
  QCOMPARE(grid->CurrentGridColumn(), 1);
  QTest::keyClick(grid, Qt::Key_Enter);
  QTest::keyClick(grid, Qt::Key_Enter);
  QCOMPARE(grid->currentRow(), 3);
  QCOMPARE(grid->CurrentGridColumn(), 2);
  f.TypeInGrid("4");
  QCOMPARE(grid->currentRow(), 1);  // round to the first cell again
  QVERIFY(f.form->isVisible());
  QCOMPARE(grid->CellText(1, 1), QString("2"));
  QCOMPARE(grid->CellText(3, 2), QString("4"));
  f.Accept();
  QCOMPARE(f.Block(element), (std::vector<float>{1.1f, 1.1f, 1, 2, 1, 1, 4}));
}

void ParametersDialogTest::RunParameterDialogChangesTheSchemeOnlyWhenAccepted() {
  ParameterFormFixture f;
  const int element = f.Place(201);
  const auto answer = [](const char* button, const char* field, const char* text) {
    QTimer::singleShot(0, [=] {
      auto* form = qobject_cast<TfrmParametersSet*>(QApplication::activeModalWidget());
      QVERIFY(form != nullptr);
      auto* edit = form->findChild<QLineEdit*>(field);
      QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
      QTest::keyClicks(edit, text);
      QTest::mouseClick(form->findChild<QAbstractButton*>(button), Qt::LeftButton);
    });
  };
  const std::string before = f.Bytes();
  answer("cmdNo", "txtPar1", "3");
  QVERIFY(!RunParameterDialog(nullptr, f.Context(), 0, element));
  QVERIFY(f.Bytes() == before);

  answer("cmdOK", "txtPar1", "3");
  QVERIFY(RunParameterDialog(nullptr, f.Context(), 0, element));
  QCOMPARE(f.Block(element), (std::vector<float>{3, 0}));

  answer("cmdOK", "txtPar3", "2,5");
  QVERIFY(RunParameterDialog(nullptr, f.Context(), 1, element));
  QCOMPARE(f.scheme.Tk(), 2.5f);
  QCOMPARE(f.times.tk, 2.5f);

  const int wire = f.Place(1);
  QVERIFY(!RunParameterDialog(nullptr, f.Context(), 0, wire));
  QCOMPARE(f.messages.Texts().back(), std::string("Ошибка вызова окна для задания параметров!"));
}

}  // namespace kortiv::test

QTEST_MAIN(kortiv::test::ParametersDialogTest)
#include "parameters_dialog_test.moc"
