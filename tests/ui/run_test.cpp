// Runs from the window: a long run leaves the window working, shows its
// progress and stops on Esc; a finished run reports and enables results.
#include "desktop_fixture.h"

using namespace kortiv;
using namespace kortiv::test;

namespace {

const std::string kExample5 = KORTIV_TEST_DATA "/example5.krt";

// Counts the paint events of a widget.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

}  // namespace

class RunTest : public QObject {
  Q_OBJECT
 private slots:
  void ALongRunKeepsTheWindowWorkingAndEscStopsIt();
  void AFinishedRunReportsAndEnablesTheResults();
};

void RunTest::ALongRunKeepsTheWindowWorkingAndEscStopsIt() {
  Desktop d;
  QVERIFY(d.doc.OpenFile(kExample5));
  // Five million points: long enough to be stopped on any machine.
  QVERIFY(d.doc.ApplyEdit([](Scheme& s) {
    s.SetParam(1, 1e-6f);
    s.SetParam(2, 5.0f);
    return true;
  }));
  d.Click({1, 3});
  QTest::keyClick(&d.window, Qt::Key_R, Qt::ControlModifier);
  QVERIFY(d.doc.RunBusy());
  for (const char* name : {"mnuNew", "mnuOpen", "mnuClose", "mnuDel", "mnuDelAll", "mnuRotRight",
                           "mnuPaste", "mnuViewPoint", "mnuParamMod", "mnuParamIntegr", "mnuCheck",
                           "mnuRun", "mnuPortret", "mnuUndo"}) {
    QVERIFY2(!d.Action(name)->isEnabled(), name);
  }
  QVERIFY(!d.window.Library()->isEnabled());
  // The progress moves while the window paints.
  QTRY_VERIFY_WITH_TIMEOUT(d.window.Status().Text(0).startsWith("Идёт расчёт схемы: "), 20000);
  const QString first = d.window.Status().Text(0);
  QTRY_VERIFY_WITH_TIMEOUT(d.window.Status().Text(0) != first, 20000);
  PaintCounter counter(d.Field());
  d.Field()->update();
  QTRY_VERIFY(counter.paints > 0);
  // Keys that change the scheme wait for the run.
  QTest::keyClick(&d.window, Qt::Key_J, Qt::ControlModifier);
  QCOMPARE(d.doc.scheme().GetOrientation(d.ElementIn({1, 3})), 0);
  QVERIFY(d.doc.RunBusy());

  QTest::keyClick(&d.window, Qt::Key_Escape);
  QTRY_COMPARE_WITH_TIMEOUT(d.window.Status().Text(0), QString("Расчёт схемы прерван."), 20000);
  QVERIFY(!d.doc.RunBusy());
  QVERIFY(!d.Action("mnuPlotWin")->isEnabled());
  QVERIFY(d.Action("mnuRun")->isEnabled());
  QVERIFY(d.Action("mnuNew")->isEnabled());
  QVERIFY(d.window.Library()->isEnabled());
}

void RunTest::AFinishedRunReportsAndEnablesTheResults() {
  Desktop d;
  QVERIFY(d.doc.OpenFile(kExample5));
  QTest::keyClick(&d.window, Qt::Key_R, Qt::ControlModifier);
  QTRY_VERIFY_WITH_TIMEOUT(!d.doc.RunBusy(), 20000);
  QTRY_COMPARE(d.window.Status().Text(0), QString("Расчёт схемы завершён."));
  QVERIFY2(d.window.Status().Text(1).startsWith("Продолжительность расчёта: "),
           qPrintable(d.window.Status().Text(1)));
  QVERIFY(d.Action("mnuPlotWin")->isEnabled());
  QVERIFY(d.Action("mnuTableWin")->isEnabled());
  // Any change of the scheme takes the results away (the plot window on
  // top has the keyboard now, so the command is given from the menu).
  d.Click({1, 3});
  d.Action("mnuRot180")->trigger();
  QCOMPARE(d.doc.scheme().GetOrientation(d.ElementIn({1, 3})), 2);
  QVERIFY(!d.Action("mnuPlotWin")->isEnabled());
  QCOMPARE(d.window.Status().Text(0), QString());
  QCOMPARE(d.window.Status().Text(1), QString());
}

QTEST_MAIN(RunTest)
#include "run_test.moc"
