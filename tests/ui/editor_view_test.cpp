// The editor as a view: scrolling, selection by mouse and keyboard, the
// context menu, double clicks and the faults the analysis points at.
#include <QScrollBar>

#include "desktop_fixture.h"

using namespace kortiv;
using namespace kortiv::test;

namespace {

const std::string kExample1 = KORTIV_TEST_DATA "/example1.krt";

// Clicks the arrow at the far end of a scroll bar: one step on.
void StepOn(QScrollBar* bar) {
  const QPoint arrow = bar->orientation() == Qt::Horizontal
                           ? QPoint(bar->width() - 4, bar->height() / 2)
                           : QPoint(bar->width() / 2, bar->height() - 4);
  QTest::mouseClick(bar, Qt::LeftButton, {}, arrow);
}

void StepBack(QScrollBar* bar) {
  QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(4, 4));
}

// Lets the 100 ms scrolling delay pass.
void AfterDelay() {
  QTest::qWait(130);
}

}  // namespace

class EditorViewTest : public QObject {
  Q_OBJECT
 private slots:
  void ScrollingMovesAtMostOneStepPer100Ms();
  void ScrollingThereAndBackRestoresTheWindow();
  void ScrollingChangesNeitherTheModelNorItsResults();
  void TheBarsSlideAtTheEndsOfTheirRange();
  void ScrollingCarriesTheSelectionAndDropsItAtTheEdge();
  void ArrowKeysSelectAndScrollPastTheEdge();
  void EnterSpaceAndDeleteActOnTheSelectedElement();
  void TheFieldHasTheKeyboardAfterNewOpenAndExamples();
  void DoubleClicksToggleControlPointsOnlyFromSummatorsOn();
  void TheContextMenuFollowsTheSelection();
  void AnAnalysisFaultSelectsItsElementAndScrollsToIt();
};

void EditorViewTest::ScrollingMovesAtMostOneStepPer100Ms() {
  Desktop d;
  QScrollBar* bar = d.Editor()->HorizontalBar();
  QCOMPARE(bar->objectName(), QString("HorScrollEditor"));
  StepOn(bar);
  StepOn(bar);
  QCOMPARE(d.Editor()->Shift().column, -1);
  AfterDelay();
  StepOn(bar);
  QCOMPARE(d.Editor()->Shift().column, -2);
  AfterDelay();
  StepOn(d.Editor()->VerticalBar());
  QCOMPARE(d.Editor()->Shift(), Cell({-1, -2}));
}

void EditorViewTest::ScrollingThereAndBackRestoresTheWindow() {
  Desktop d;
  QVERIFY(d.doc.OpenFile(kExample1));
  const QImage before = d.Field()->grab().toImage();
  const int first = d.ElementIn({2, 1});
  QVERIFY(first > 0);
  QScrollBar* bar = d.Editor()->HorizontalBar();
  for (int i = 0; i < 3; ++i) {
    StepOn(bar);
    AfterDelay();
  }
  QCOMPARE(d.Editor()->Shift().column, -3);
  QCOMPARE(d.ElementIn({2, 1}), d.doc.ElementAt({2, 4}));
  QVERIFY(d.Field()->grab().toImage() != before);
  for (int i = 0; i < 3; ++i) {
    StepBack(bar);
    AfterDelay();
  }
  QCOMPARE(d.Editor()->Shift(), Cell({0, 0}));
  QCOMPARE(d.ElementIn({2, 1}), first);
  QCOMPARE(d.Field()->grab().toImage(), before);
}

void EditorViewTest::ScrollingChangesNeitherTheModelNorItsResults() {
  Desktop d;
  QVERIFY(d.doc.OpenFile(kExample1));
  QCOMPARE(d.doc.Run(Document::RunMode::kWait), RunOutcome::kFinished);
  const auto status = d.doc.StatusTexts();
  StepOn(d.Editor()->VerticalBar());
  AfterDelay();
  StepOn(d.Editor()->HorizontalBar());
  QCOMPARE(d.doc.model_state(), ModelState::kSaved);
  QVERIFY(!d.Action("mnuSave")->isEnabled());
  QVERIFY(d.doc.ResultsValid());
  QVERIFY(d.Action("mnuPlotWin")->isEnabled());
  QVERIFY(d.doc.SchemeChecked());
  QCOMPARE(d.doc.StatusTexts(), status);
  QVERIFY(!d.doc.CanUndo());
}

void EditorViewTest::TheBarsSlideAtTheEndsOfTheirRange() {
  Desktop d;
  QScrollBar* bar = d.Editor()->HorizontalBar();
  QCOMPARE(bar->minimum(), 0);
  QCOMPARE(bar->maximum(), 10);
  QCOMPARE(bar->value(), 5);
  for (int i = 0; i < 6; ++i) {
    StepOn(bar);
    AfterDelay();
  }
  // Reaching 10 moved the range on, so the bar is never stuck at its end.
  QCOMPARE(bar->value(), 11);
  QCOMPARE(bar->maximum(), 12);
  QCOMPARE(bar->minimum(), 2);
  QCOMPARE(d.Editor()->Shift().column, -6);
}

void EditorViewTest::ScrollingCarriesTheSelectionAndDropsItAtTheEdge() {
  Desktop d;
  const int cols = d.Field()->Window().cols;
  d.Click({3, cols - 1});
  QCOMPARE(d.Editor()->SelectedStored(), Cell({3, cols - 1}));
  StepBack(d.Editor()->HorizontalBar());
  QCOMPARE(d.Editor()->Selected(), Cell({3, cols}));
  QCOMPARE(d.Editor()->SelectedStored(), Cell({3, cols - 1}));
  AfterDelay();
  StepBack(d.Editor()->HorizontalBar());
  QVERIFY(!d.Editor()->HasSelection());
}

void EditorViewTest::ArrowKeysSelectAndScrollPastTheEdge() {
  Desktop d;
  QVERIFY(!d.Editor()->HasSelection());
  QTest::keyClick(d.Field(), Qt::Key_Down);
  QCOMPARE(d.Editor()->Selected(), Cell({1, 1}));
  QTest::keyClick(d.Field(), Qt::Key_Right);
  QTest::keyClick(d.Field(), Qt::Key_Down);
  QCOMPARE(d.Editor()->Selected(), Cell({2, 2}));
  QTest::keyClick(d.Field(), Qt::Key_Up);
  QTest::keyClick(d.Field(), Qt::Key_Up);
  // Past the top edge: the window moves up one row, the selection keeps
  // its place on the screen and reaches scheme row 0.
  QCOMPARE(d.Editor()->Selected(), Cell({1, 2}));
  QCOMPARE(d.Editor()->SelectedStored(), Cell({0, 2}));
  QCOMPARE(d.Editor()->Shift(), Cell({1, 0}));
  // Within 100 ms a further step past the edge waits.
  QTest::keyClick(d.Field(), Qt::Key_Up);
  QCOMPARE(d.Editor()->SelectedStored(), Cell({0, 2}));
  AfterDelay();
  QTest::keyClick(d.Field(), Qt::Key_Up);
  QCOMPARE(d.Editor()->SelectedStored(), Cell({-1, 2}));
}

void EditorViewTest::EnterSpaceAndDeleteActOnTheSelectedElement() {
  Desktop d;
  d.ChooseList(1);
  d.DragFromLibrary(13, {1, 1});
  d.ChooseList(3);
  d.DragFromLibrary(204, {1, 2});
  QCOMPARE(d.Editor()->Selected(), Cell({1, 2}));
  // Enter on an element without parameters opens nothing.
  QTest::keyClick(d.Field(), Qt::Key_Left);
  QTest::keyClick(d.Field(), Qt::Key_Return);
  QCOMPARE(d.window.Status().Text(0), QString());
  QTest::keyClick(d.Field(), Qt::Key_Space);
  QCOMPARE(d.doc.scheme().GetControlPoint(1), 1);
  QCOMPARE(d.Action("mnuViewPoint")->text(), QString("Удалить контрольную точку"));
  QTest::keyClick(d.Field(), Qt::Key_Space);
  QCOMPARE(d.doc.scheme().ControlPointCount(), 0);
  QTest::keyClick(d.Field(), Qt::Key_Right);
  const QByteArray before = d.ModelBytes();
  QCOMPARE(d.ModalOpenedBy([&] { QTest::keyClick(d.Field(), Qt::Key_Return); }),
           QString("frmParametersSet"));
  QCOMPARE(d.ModelBytes(), before);
  QTest::keyClick(d.Field(), Qt::Key_Left);
  // Delete asks first; No keeps the element.
  d.messages.answers = {false, true};
  QTest::keyClick(d.Field(), Qt::Key_Delete);
  QCOMPARE(d.doc.scheme().ElementCount(), 2);
  QTest::keyClick(d.Field(), Qt::Key_Delete);
  QCOMPARE(d.messages.entries.back().text, std::string("Удалить выделенный элемент?"));
  QCOMPARE(d.doc.scheme().ElementCount(), 1);
  QCOMPARE(d.doc.scheme().GetCode(1), 204);
  QVERIFY(!d.Editor()->HasSelection());
  QVERIFY(!d.Action("mnuDel")->isEnabled());
}

void EditorViewTest::TheFieldHasTheKeyboardAfterNewOpenAndExamples() {
  Desktop d;
  QTRY_COMPARE(QApplication::focusWidget(), d.Field());
  auto* examples = d.window.Library()->findChild<QComboBox*>("SelectLibCmb");
  examples->setFocus();
  d.ChooseList(0);
  QTest::mouseClick(d.window.Library()->findChild<QPushButton*>("butSchema2"), Qt::LeftButton);
  QCOMPARE(QApplication::focusWidget(), d.Field());
  examples->setFocus();
  QTest::keyClick(&d.window, Qt::Key_N, Qt::ControlModifier);
  QCOMPARE(d.doc.scheme().ElementCount(), 0);
  QCOMPARE(QApplication::focusWidget(), d.Field());
  examples->setFocus();
  d.files.Answer(kExample1);
  QTest::keyClick(&d.window, Qt::Key_O, Qt::ControlModifier);
  QCOMPARE(d.doc.scheme().ElementCount(), 13);
  QCOMPARE(QApplication::focusWidget(), d.Field());
}

void EditorViewTest::DoubleClicksToggleControlPointsOnlyFromSummatorsOn() {
  Desktop d;
  d.ChooseList(1);
  d.DragFromLibrary(1, {1, 1});  // wire
  d.DragFromLibrary(5, {1, 2});  // fork
  d.DragFromLibrary(9, {1, 3});  // summator
  d.DoubleClick({1, 1});
  d.DoubleClick({1, 2});
  QCOMPARE(d.doc.scheme().ControlPointCount(), 0);
  d.DoubleClick({1, 3});
  QCOMPARE(d.doc.scheme().GetControlPoint(3), 1);
  d.DoubleClick({1, 3});
  QCOMPARE(d.doc.scheme().GetControlPoint(3), 0);
  QVERIFY(!d.Action("mnuRun")->isEnabled());
}

void EditorViewTest::TheContextMenuFollowsTheSelection() {
  Desktop d;
  d.ChooseList(1);
  d.DragFromLibrary(5, {1, 1});
  d.DragFromLibrary(9, {1, 2});
  QMenu* menu = d.window.EditorMenu();
  QCOMPARE(menu->objectName(), QString("popmnuEditor"));
  QStringList captions;
  for (QAction* action : menu->actions()) captions << action->text();
  QCOMPARE(captions.mid(0, 7),
           QStringList({"Вырезать", "Копировать", "Вставить", "Удалить", "Повернуть по часовой",
                        "Повернуть против часовой", "Развернуть"}));
  d.Click({1, 1}, Qt::RightButton);
  QTRY_VERIFY(menu->isVisible());
  QCOMPARE(d.Editor()->Selected(), Cell({1, 1}));
  QAction* point = d.Action("mnuViewPoint");
  QVERIFY(menu->actions().contains(point));
  QVERIFY(!point->isEnabled());
  QCOMPARE(point->text(), QString("Контрольная точка"));
  QVERIFY(d.Action("mnuCut")->isEnabled());
  menu->hide();
  d.Click({1, 2}, Qt::RightButton);
  QTRY_VERIFY(menu->isVisible());
  QVERIFY(point->isEnabled());
  QCOMPARE(point->text(), QString("Установить контрольную точку"));
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(point).center());
  QCOMPARE(d.doc.scheme().GetControlPoint(2), 1);
  QCOMPARE(point->text(), QString("Удалить контрольную точку"));
  // An empty cell: nothing to cut, to turn or to mark.
  d.Click({3, 3}, Qt::RightButton);
  QTRY_VERIFY(menu->isVisible());
  QVERIFY(!d.Action("mnuCut")->isEnabled());
  QVERIFY(!d.Action("mnuRotRight")->isEnabled());
  QVERIFY(!point->isEnabled());
  menu->hide();
}

void EditorViewTest::AnAnalysisFaultSelectsItsElementAndScrollsToIt() {
  Desktop d;
  // A step with its parameters and, far outside the window, an aperiodic
  // element without them.
  QVERIFY(d.doc.ApplyEdit([](Scheme& s) {
    const int step = s.AppendElement(101, 0, {1, 1});
    s.AllocateParamBlock(step);
    s.SetParam(s.GetParamAddress(step), 1.0f);
    s.AppendElement(204, 0, {40, 60});
    return true;
  }));
  d.Click({2, 2});
  QTest::keyClick(&d.window, Qt::Key_H, Qt::ControlModifier);
  QCOMPARE(d.messages.Texts().back(), std::string("Для одного элемента не заданы параметры!"));
  QCOMPARE(d.Editor()->SelectedStored(), Cell({40, 60}));
  const Cell window = d.Editor()->Selected();
  QVERIFY(window.row >= 1 && window.row <= d.Field()->Window().rows);
  QVERIFY(window.column >= 1 && window.column <= d.Field()->Window().cols);
  QCOMPARE(d.ElementIn(window), 2);
  QVERIFY(d.Action("mnuParamMod")->isEnabled());
}

QTEST_MAIN(EditorViewTest)
#include "editor_view_test.moc"
