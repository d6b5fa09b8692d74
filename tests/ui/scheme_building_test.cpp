// A student builds a feedback loop with the mouse alone, checks it, gives
// the parameters, saves it, and the batch runner calculates the saved file.
#include <QProcess>
#include <QTemporaryDir>
#include <QToolButton>

#include "desktop_fixture.h"

using namespace kortiv;
using namespace kortiv::test;

namespace {

constexpr int kConnections = 1;
constexpr int kSources = 2;
constexpr int kLinear = 3;

constexpr int kStep = 101;
constexpr int kSubtractor = 13;
constexpr int kAperiodic = 204;
constexpr int kFork = 5;
constexpr int kStraightWire = 1;
constexpr int kTurningWire = 2;

void ClickToolButton(TMainFrm& window, const char* name) {
  auto* button = window.findChild<QToolButton*>(name);
  QVERIFY2(button, name);
  QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace

class SchemeBuildingTest : public QObject {
  Q_OBJECT
 private slots:
  void BuildCheckSaveAndCalculate();
  void DropsOnOccupiedCellsAndOnTheSourceAreRefused();
  void MovingKeepsTheElementAndSelectsTheTarget();
  void EscGivesADragUp();
};

void SchemeBuildingTest::BuildCheckSaveAndCalculate() {
  Desktop d;
  // The forward path: step, subtractor, aperiodic element, fork.
  d.ChooseList(kSources);
  d.DragFromLibrary(kStep, {1, 1});
  d.ChooseList(kConnections);
  d.DragFromLibrary(kSubtractor, {1, 2});
  d.ChooseList(kLinear);
  d.DragFromLibrary(kAperiodic, {1, 3});
  d.ChooseList(kConnections);
  d.DragFromLibrary(kFork, {1, 4});
  // The feedback path back along row 2 into the subtractor's lower input.
  d.DragFromLibrary(kTurningWire, {2, 4});
  d.DragFromLibrary(kStraightWire, {2, 3});
  d.DragFromLibrary(kTurningWire, {2, 2});
  QCOMPARE(d.doc.scheme().ElementCount(), 7);
  QCOMPARE(d.CodeIn({1, 1}), kStep);
  QCOMPARE(d.CodeIn({1, 3}), kAperiodic);
  QCOMPARE(d.CodeIn({2, 2}), kTurningWire);
  // A drop selects its cell.
  QCOMPARE(d.Editor()->Selected(), Cell({2, 2}));

  // Turn the wires: a tool button, the keyboard, the context menu.
  d.Click({2, 4});
  ClickToolButton(d.window, "bitRot180");
  d.Click({2, 3});
  QTest::keyClick(&d.window, Qt::Key_K, Qt::ControlModifier);
  d.Click({2, 2}, Qt::RightButton);
  QMenu* menu = d.window.EditorMenu();
  QTRY_VERIFY(menu->isVisible());
  QAction* left = d.Action("mnuRotLeft");
  QVERIFY(menu->actions().contains(left));
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(left).center());
  const Scheme& scheme = d.doc.scheme();
  QCOMPARE(scheme.GetOrientation(d.ElementIn({2, 4})), 2);
  QCOMPARE(scheme.GetOrientation(d.ElementIn({2, 3})), 2);
  QCOMPARE(scheme.GetOrientation(d.ElementIn({2, 2})), 3);

  // Control points by double click; a fork never takes one.
  d.DoubleClick({1, 1});
  d.DoubleClick({1, 3});
  d.DoubleClick({1, 4});
  QCOMPARE(scheme.GetControlPoint(d.ElementIn({1, 1})), 1);
  QCOMPARE(scheme.GetControlPoint(d.ElementIn({1, 3})), 2);
  QCOMPARE(scheme.GetControlPoint(d.ElementIn({1, 4})), 0);
  QCOMPARE(scheme.ControlPointCount(), 2);
  QVERIFY(d.Action("mnuRun")->isEnabled());

  // Check names the missing parameters and selects the first such element.
  d.Click({2, 3});
  ClickToolButton(d.window, "bitCheck");
  QCOMPARE(d.messages.Texts().back(), std::string("Для 2-х элементов не заданы параметры!"));
  QCOMPARE(d.Editor()->SelectedStored(), Cell({1, 1}));
  QVERIFY(d.Action("mnuParamMod")->isEnabled());

  // The parameters, as the parameter dialog gives them.
  const int step = d.ElementIn({1, 1});
  const int aperiodic = d.ElementIn({1, 3});
  QVERIFY(d.doc.ApplyEdit([&](Scheme& s) {
    s.AllocateParamBlock(step);
    s.SetParam(s.GetParamAddress(step), 1.0f);
    s.SetParam(s.GetParamAddress(step) + 1, 0.0f);
    s.AllocateParamBlock(aperiodic);
    for (int i = 0; i < 3; ++i) s.SetParam(s.GetParamAddress(aperiodic) + i, i == 1 ? 0.5f : 1.0f);
    return true;
  }));
  d.messages.Clear();
  ClickToolButton(d.window, "bitCheck");
  QCOMPARE(d.messages.Texts(), std::vector<std::string>{"Схема корректна."});

  // Save asks for a name with the title of Save; the extension is added.
  QTemporaryDir dir;
  d.files.Answer((dir.path() + "/loop").toStdString());
  ClickToolButton(d.window, "bitSave");
  QCOMPARE(d.files.requests.size(), std::size_t{1});
  QCOMPARE(d.files.requests[0].title, std::string("Сохранить модель"));
  const QString path = dir.path() + "/loop.krt";
  QVERIFY(QFile::exists(path));
  QVERIFY(d.window.windowTitle().startsWith("Kortiv: loop : no_name"));
  QVERIFY(!d.Action("mnuSave")->isEnabled());

  // The batch runner reads the saved model and calculates it.
  QProcess calc;
  calc.start(KORTIV_CALC, {"run", path, "--every", "100"});
  QVERIFY(calc.waitForFinished(60000));
  QCOMPARE(calc.exitCode(), 0);
  const QStringList lines = QString::fromUtf8(calc.readAllStandardOutput()).split('\n');
  QVERIFY2(lines.size() >= 5, qPrintable(lines.join('\n')));
}

void SchemeBuildingTest::DropsOnOccupiedCellsAndOnTheSourceAreRefused() {
  Desktop d;
  d.ChooseList(kLinear);
  d.DragFromLibrary(kAperiodic, {1, 1});
  d.DragFromLibrary(kAperiodic + 1, {1, 1});
  QCOMPARE(d.doc.scheme().ElementCount(), 1);
  QCOMPARE(d.CodeIn({1, 1}), kAperiodic);
  // Onto its own cell: nothing moves and nothing is recorded as a change.
  const bool could_undo = d.doc.CanUndo();
  d.DragInField({1, 1}, {1, 1});
  QCOMPARE(d.doc.scheme().GetStoredPosition(1), Cell({1, 1}));
  d.DragFromLibrary(kAperiodic, {2, 2});
  d.DragInField({2, 2}, {1, 1});
  QCOMPARE(d.CodeIn({2, 2}), kAperiodic);
  QCOMPARE(d.doc.scheme().ElementCount(), 2);
  QCOMPARE(d.doc.CanUndo(), could_undo);
}

void SchemeBuildingTest::MovingKeepsTheElementAndSelectsTheTarget() {
  Desktop d;
  d.ChooseList(kSources);
  d.DragFromLibrary(kStep, {1, 1});
  d.DoubleClick({1, 1});
  d.ChooseList(kLinear);
  d.DragFromLibrary(kAperiodic, {2, 1});
  d.Click({2, 1});
  QTest::keyClick(&d.window, Qt::Key_J, Qt::ControlModifier);
  d.DragInField({2, 1}, {3, 4});
  const Scheme& scheme = d.doc.scheme();
  QCOMPARE(d.ElementIn({2, 1}), 0);
  QCOMPARE(d.ElementIn({3, 4}), 2);
  QCOMPARE(scheme.GetOrientation(2), 1);
  QCOMPARE(scheme.GetCode(2), kAperiodic);
  QCOMPARE(d.Editor()->Selected(), Cell({3, 4}));
  // The element with the control point moves with it.
  d.DragInField({1, 1}, {1, 2});
  QCOMPARE(scheme.GetControlPoint(d.ElementIn({1, 2})), 1);
  QCOMPARE(scheme.ControlPointCount(), 1);
}

void SchemeBuildingTest::EscGivesADragUp() {
  Desktop d;
  d.ChooseList(kLinear);
  PalettePicture* picture = d.Picture(kAperiodic);
  const QPoint start = d.At(picture, picture->rect().center());
  QTest::mousePress(d.Handle(), Qt::LeftButton, {}, start);
  QTest::mouseMove(d.Handle(), start + QPoint(10, 4));
  QTest::mouseMove(d.Handle(), d.AtCell({2, 2}));
  QTest::keyClick(d.Handle(), Qt::Key_Escape);
  QTest::mouseRelease(d.Handle(), Qt::LeftButton, {}, d.AtCell({2, 2}));
  QCOMPARE(d.doc.scheme().ElementCount(), 0);
  // The next drag works as ever.
  d.DragFromLibrary(kAperiodic, {2, 2});
  QCOMPARE(d.CodeIn({2, 2}), kAperiodic);
}

QTEST_MAIN(SchemeBuildingTest)
#include "scheme_building_test.moc"
