// The plot windows of the main window: made by Run and Phase portrait,
// kept or closed as the settings say, shown by "Графики", and the settings
// dialog opened from the menu and from the plot.
#include "ui/plot/plot_windows.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "desktop_fixture.h"
#include "ui/plot/plot_window.h"
#include "ui/results/table_frm.h"
#include "ui/settings/settings_dialog.h"

using namespace kortiv;

class PlotWindowsTest : public QObject {
  Q_OBJECT

 private:
  // Runs as the menu does and waits for the worker to end.
  static void Trigger(test::Desktop& desktop, const char* action) {
    desktop.Action(action)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!desktop.doc.RunBusy(), 20000);
  }

  static TfrmGraph* Plot(test::Desktop& desktop) { return desktop.window.Plots().Current(); }

  static QList<TfrmTable*> ShownTables() {
    QList<TfrmTable*> shown;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* table = qobject_cast<TfrmTable*>(widget); table && table->isVisible())
        shown << table;
    }
    return shown;
  }

  // The page the modal settings dialog opens on; the dialog is then
  // cancelled.
  static int PageOfSettingsOpenedBy(const std::function<void()>& open) {
    int page = -1;
    QTimer::singleShot(0, [&page] {
      auto* dialog = qobject_cast<TfrmCustom*>(QApplication::activeModalWidget());
      if (!dialog) return;
      page = dialog->findChild<QTabWidget*>("pgcCustom")->currentIndex();
      QTest::mouseClick(dialog->findChild<QPushButton*>("cmdNo"), Qt::LeftButton);
    });
    open();
    return page;
  }

 private slots:
  void runMakesAShownPlotWindowThatPrintingAndSavingFollow() {
    test::Desktop desktop;
    QVERIFY(desktop.doc.LoadExample(1));
    QVERIFY(!desktop.Action("mnuPrnGraphik")->isEnabled());
    Trigger(desktop, "mnuRun");
    TfrmGraph* plot = Plot(desktop);
    QVERIFY(plot);
    QVERIFY(plot->isVisible());
    QVERIFY(plot->PlotShown());
    QCOMPARE(plot->Plot().title, std::string("Графики в контрольных точках"));
    QCOMPARE(plot->Results().control_points, desktop.doc.scheme().ControlPointCount());
    QVERIFY(desktop.Action("mnuPrnGraphik")->isEnabled());
    QVERIFY(desktop.Action("mnuSavePicture")->isEnabled());
    // The plot's picture is drawn after it has been shown.
    QTRY_VERIFY(!plot->Picture().isNull());

    plot->close();
    QVERIFY(!desktop.Action("mnuPrnGraphik")->isEnabled());
    QVERIFY(!desktop.Action("mnuSavePicture")->isEnabled());
    desktop.Action("mnuPlotWin")->trigger();
    QVERIFY(plot->isVisible());
    QVERIFY(desktop.Action("mnuPrnGraphik")->isEnabled());
    QVERIFY(desktop.messages.entries.empty());
  }

  void runWithTheResultsItHasRedrawsTheSameWindow() {
    test::Desktop desktop;
    QVERIFY(desktop.doc.LoadExample(5));
    Trigger(desktop, "mnuRun");
    QPointer<TfrmGraph> first = Plot(desktop);
    QVERIFY(first);
    first->EnableRefresh();
    Trigger(desktop, "mnuRun");
    QCOMPARE(Plot(desktop), first.data());
    QVERIFY(!first->RefreshEnabled());
  }

  void newResultsReplaceTheWindowUnlessDuplicatesAreKept() {
    test::Desktop desktop;
    QVERIFY(desktop.doc.LoadExample(4));
    Trigger(desktop, "mnuRun");
    QPointer<TfrmGraph> first = Plot(desktop);
    first->Plot().manual_x = true;
    // A changed scheme discards the results and the manual limits with them.
    QVERIFY(desktop.doc.ApplyEdit([](Scheme& scheme) {
      scheme.SetParam(2, scheme.Tk() * 2);
      return true;
    }));
    QVERIFY(!first->Plot().manual_x);
    Trigger(desktop, "mnuRun");
    QVERIFY(first.isNull());
    QPointer<TfrmGraph> second = Plot(desktop);
    QVERIFY(second);

    UserSettings settings = desktop.doc.settings();
    settings.DoubleWindows = true;
    desktop.doc.SetSettings(settings);
    desktop.Action("mnuTableWin")->trigger();
    QCOMPARE(ShownTables().size(), 1);
    QPointer<TfrmTable> time_table = ShownTables().first();
    Trigger(desktop, "mnuPortret");
    // The portrait's results get a table of their own.
    desktop.Action("mnuTableWin")->trigger();
    QVERIFY(!ShownTables().isEmpty());
    QVERIFY(!ShownTables().contains(time_table.data()) || ShownTables().size() == 2);
    QVERIFY(!second.isNull());
    QVERIFY(second->isVisible());
    QVERIFY(Plot(desktop) != second.data());
    QCOMPARE(Plot(desktop)->Plot().kind, PlotKind::kPortrait);
    QCOMPARE(Plot(desktop)->Plot().title, std::string("Фазовый портрет"));
    // Kept until it is closed.
    second->close();
    QTRY_VERIFY(second.isNull());
    QVERIFY(Plot(desktop)->isVisible());
    QVERIFY(desktop.Action("mnuPrnGraphik")->isEnabled());
  }

  void plotIsMadeButNotShownWhenTheSettingsSaySo() {
    test::Desktop desktop;
    UserSettings settings = desktop.doc.settings();
    settings.ShowPlotAfterRun = false;
    desktop.doc.SetSettings(settings);
    QVERIFY(desktop.doc.LoadExample(2));
    Trigger(desktop, "mnuRun");
    QVERIFY(Plot(desktop));
    QVERIFY(!Plot(desktop)->isVisible());
    QVERIFY(!desktop.Action("mnuPrnGraphik")->isEnabled());
    QVERIFY(desktop.Action("mnuPlotWin")->isEnabled());
    desktop.Action("mnuPlotWin")->trigger();
    QVERIFY(Plot(desktop)->isVisible());
  }

  void settingsOpenOnTheFirstPageFromTheMenuAndOnTheScalesFromThePlot() {
    test::Desktop desktop;
    QCOMPARE(PageOfSettingsOpenedBy([&] { desktop.Action("OptCustMnu")->trigger(); }),
             int(TfrmCustom::kViewPage));
    QVERIFY(desktop.doc.LoadExample(3));
    Trigger(desktop, "mnuRun");
    auto* button = Plot(desktop)->findChild<QPushButton*>("btnSetting");
    QCOMPARE(PageOfSettingsOpenedBy([&] { QTest::mouseClick(button, Qt::LeftButton); }),
             int(TfrmCustom::kScalePage));
  }

  void acceptedColoursRecolourTheControlPointMarksAtOnce() {
    test::Desktop desktop;
    QVERIFY(desktop.doc.LoadExample(1));
    auto count = [&desktop](QRgb colour) {
      const QImage field = desktop.Field()->grab().toImage().convertToFormat(QImage::Format_RGB32);
      int n = 0;
      for (int y = 0; y < field.height(); ++y) {
        for (int x = 0; x < field.width(); ++x) n += field.pixel(x, y) == colour;
      }
      return n;
    };
    const QRgb lime = qRgb(0, 255, 0);
    const int red = count(qRgb(255, 0, 0));
    QVERIFY(red > 0);
    QCOMPARE(count(lime), 0);
    // Point 1 becomes "лимонный" in the dialog, which is accepted.
    QTimer::singleShot(0, [] {
      auto* dialog = qobject_cast<TfrmCustom*>(QApplication::activeModalWidget());
      if (!dialog) return;
      dialog->ShowPage(TfrmCustom::kGraphPage);
      auto* colour = dialog->findChild<QComboBox*>("cmbColor");
      colour->setFocus();
      for (int i = 0; i < 10; ++i) QTest::keyClick(colour, Qt::Key_Down);
      QTest::mouseClick(dialog->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    });
    desktop.Action("OptCustMnu")->trigger();
    QCOMPARE(desktop.doc.settings().Styles[1][0], 10);
    QVERIFY(count(lime) > 0);
    QVERIFY(count(qRgb(255, 0, 0)) < red);
    for (const auto& entry : desktop.messages.entries) {
      QVERIFY2(entry.text.find("расставьте их заново") == std::string::npos, entry.text.c_str());
    }
  }

  void tablesButtonShowsTheExtremesAndRefreshAsksForANewTable() {
    test::Desktop desktop;
    QVERIFY(desktop.doc.LoadExample(2));
    Trigger(desktop, "mnuRun");
    TfrmGraph* plot = Plot(desktop);
    auto tables = &PlotWindowsTest::ShownTables;
    QVERIFY(tables().isEmpty());
    QTest::mouseClick(plot->findChild<QPushButton*>("btnTable"), Qt::LeftButton);
    QCOMPARE(tables().size(), 1);
    QPointer<TfrmTable> table = tables().first();
    QCOMPARE(table->findChild<QTabWidget*>("pgTables")->currentWidget()->objectName(),
             QString("tabMinMax"));
    // The same table while the plot is not drawn anew.
    QTest::mouseClick(plot->findChild<QPushButton*>("btnTable"), Qt::LeftButton);
    QCOMPARE(tables().first(), table.data());
    plot->EnableRefresh();
    QTest::mouseClick(plot->findChild<QPushButton*>("btnRefresh"), Qt::LeftButton);
    QTest::mouseClick(plot->findChild<QPushButton*>("btnTable"), Qt::LeftButton);
    QTRY_VERIFY(table.isNull() || !table->isVisible());
    QCOMPARE(tables().size(), 1);
  }

  void savingThePlotWritesThePictureItShows() {
    test::Desktop desktop;
    QVERIFY(desktop.doc.LoadExample(6));
    Trigger(desktop, "mnuRun");
    TfrmGraph* plot = Plot(desktop);
    QTRY_VERIFY(!plot->DrawnSize().isEmpty());
    QTemporaryDir dir;
    const QString path = dir.filePath("plot.png");
    desktop.files.Answer(path.toStdString(), 2);
    desktop.Action("mnuSavePicture")->trigger();
    const QImage saved = QImage(path).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(saved.size(), plot->DrawnSize());
    QVERIFY(saved == plot->Picture());
  }
};

QTEST_MAIN(PlotWindowsTest)
#include "plot_windows_test.moc"
