// The results table window and the filter dialog, driven with the mouse and
// the keyboard.
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "draw/palette.h"
#include "model/user_settings.h"
#include "ui/results/filter_frm.h"
#include "ui/results/results_grid_view.h"
#include "ui/results/results_table_model.h"
#include "ui/results/table_frm.h"

namespace kortiv {
namespace {

// Value v of point j is j + v / 10, the argument j / 10.
std::shared_ptr<const ResultsSnapshot> Results(RunKind kind, int last_point, int control_points) {
  RunState run;
  run.kind = kind;
  run.last_point = last_point;
  run.control_points = control_points;
  run.result_store.resize(static_cast<std::size_t>(run.RowWidth()) * (last_point + 1));
  for (int j = 0; j <= last_point; ++j) {
    run.ResultAt(j, 0) = j / 10.0f;
    for (int e = 1; e < run.RowWidth(); ++e) run.ResultAt(j, e) = j + e / 10.0f;
  }
  return ResultsSnapshot::Of(run);
}

// Answers the modal dialog that the next step opens.
void WhenDialogOpens(const std::function<void(TfrmFilter&)>& answer) {
  QTimer::singleShot(0, [answer] {
    auto* dialog = qobject_cast<TfrmFilter*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    answer(*dialog);
  });
}

template <typename T>
T* Child(QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(name);
  if (!child) qFatal("no child %s", name);
  return child;
}

// Clicks a radio button on its round mark, which the button answers to
// wherever its text ends.
void ClickRadio(QRadioButton* button) {
  QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void TypeInto(QSpinBox* spin, const QString& text) {
  spin->setFocus();
  spin->selectAll();
  QTest::keyClicks(spin, text);
}

QStringList Column(const ResultsTableModel& model, int column) {
  QStringList texts;
  for (int row = 0; row < model.rowCount(); ++row) texts << model.CellText(row, column);
  return texts;
}

}  // namespace

class ResultsTableTest : public QObject {
  Q_OBJECT

 private slots:
  void WholeRangeShowsEveryPointBelowTheHeadings() {
    TfrmTable table(Results(RunKind::kTime, 500, 2), ResultsKind::kTimeRun, {},
                    DefaultPlotStyles());
    QCOMPARE(table.property("helpTopic").toString(), QString("table"));
    QCOMPARE(table.windowTitle(), QString("Результаты расчёта в контрольных точках vp"));
    const ResultsTableModel& model = *table.model();
    // The headings row and the points 0..500: 502 rows of the grid.
    QCOMPARE(model.rowCount() + 1, 502);
    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), QString("   i"));
    QCOMPARE(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QString("      t"));
    QCOMPARE(model.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), QString("     vp=2"));
    QCOMPARE(model.CellText(0, 0), QString(" 0"));
    QCOMPARE(model.CellText(500, 0), QString(" 500"));
    // Fifteen digits of the 32-bit value.
    QCOMPARE(model.CellText(1, 1), QString("0.100000001490116"));
    QCOMPARE(model.CellText(2, 3), QString("2.20000004768372"));
  }

  void FilterChosenWithTheKeyboardShowsEveryThirdPoint() {
    TfrmTable table(Results(RunKind::kTime, 500, 1), ResultsKind::kTimeRun, {},
                    DefaultPlotStyles());
    table.show();
    table.ShowResultsPage();
    auto* remove = Child<QPushButton>(table, "btnRemoveFiltr");
    QVERIFY(!remove->isEnabled());
    WhenDialogOpens([](TfrmFilter& dialog) {
      QCOMPARE(Child<QGroupBox>(dialog, "grbStep")->title(),
               QString("... и шаг точек для показа в таблице:"));
      QCOMPARE(Child<QRadioButton>(dialog, "rbALL")->text(),
               QString("весь рассчитанный диапазон (от 0 до 500)"));
      TypeInto(Child<QSpinBox>(dialog, "cseLast"), "10");
      QVERIFY(Child<QRadioButton>(dialog, "rbBetween")->isChecked());
      TypeInto(Child<QSpinBox>(dialog, "cseStep"), "3");
      QVERIFY(Child<QRadioButton>(dialog, "rbStepN")->isChecked());
      QTest::mouseClick(Child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    });
    QTest::mouseClick(Child<QPushButton>(table, "btnSetFiltr"), Qt::LeftButton);
    QCOMPARE(Column(*table.model(), 0), (QStringList{" 0", " 3", " 6", " 9"}));
    QVERIFY(remove->isEnabled());

    QTest::mouseClick(remove, Qt::LeftButton);
    QCOMPARE(table.model()->rowCount(), 501);
    QVERIFY(!remove->isEnabled());
  }

  void StepsOfTenAndAHundred() {
    TfrmTable table(Results(RunKind::kTime, 500, 1), ResultsKind::kTimeRun, {},
                    DefaultPlotStyles());
    table.show();
    table.ShowResultsPage();
    for (const char* step : {"rbStep10", "rbStep100"}) {
      WhenDialogOpens([step](TfrmFilter& dialog) {
        TypeInto(Child<QSpinBox>(dialog, "cseLast"), "10");
        ClickRadio(Child<QRadioButton>(dialog, step));
        QTest::mouseClick(Child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
      });
      QTest::mouseClick(Child<QPushButton>(table, "btnSetFiltr"), Qt::LeftButton);
      QCOMPARE(Column(*table.model(), 0),
               QString(step) == "rbStep10" ? (QStringList{" 0", " 10"}) : (QStringList{" 0"}));
    }
  }

  void WholeRangeChosenLeavesRemoveFilterDisabled() {
    TfrmTable table(Results(RunKind::kTime, 50, 1), ResultsKind::kTimeRun, {}, DefaultPlotStyles());
    table.show();
    table.ShowResultsPage();
    WhenDialogOpens([](TfrmFilter& dialog) {
      // Moving the range and putting it back still chooses the whole range.
      TypeInto(Child<QSpinBox>(dialog, "cseLast"), "10");
      ClickRadio(Child<QRadioButton>(dialog, "rbALL"));
      QVERIFY(Child<QRadioButton>(dialog, "rbALL")->isChecked());
      QTest::mouseClick(Child<QPushButton>(dialog, "btnOK"), Qt::LeftButton);
    });
    QTest::mouseClick(Child<QPushButton>(table, "btnSetFiltr"), Qt::LeftButton);
    QCOMPARE(table.model()->rowCount(), 51);
    QVERIFY(!Child<QPushButton>(table, "btnRemoveFiltr")->isEnabled());

    // A cancelled dialog changes nothing.
    WhenDialogOpens([](TfrmFilter& dialog) {
      TypeInto(Child<QSpinBox>(dialog, "cseLast"), "10");
      QTest::mouseClick(Child<QPushButton>(dialog, "btnCancel"), Qt::LeftButton);
    });
    QTest::mouseClick(Child<QPushButton>(table, "btnSetFiltr"), Qt::LeftButton);
    QCOMPARE(table.model()->rowCount(), 51);
  }

  void FilterBoundsFollowEachOther() {
    TfrmFilter dialog(100, kSaveStepCaption);
    QCOMPARE(dialog.property("helpTopic").toString(), QString("filter"));
    QCOMPARE(dialog.windowTitle(), QString("Выберите ..."));
    auto* first = Child<QSpinBox>(dialog, "cseFirst");
    auto* last = Child<QSpinBox>(dialog, "cseLast");
    QCOMPARE(first->maximum(), 99);
    QCOMPARE(last->maximum(), 100);
    QCOMPARE(last->value(), 100);
    QCOMPARE(Child<QSpinBox>(dialog, "cseStep")->maximum(), 100);
    QVERIFY(Child<QRadioButton>(dialog, "rbALL")->isChecked());
    QVERIFY(Child<QRadioButton>(dialog, "rbStep1")->isChecked());
    dialog.show();
    TypeInto(first, "40");
    QCOMPARE(last->minimum(), 41);
    TypeInto(last, "60");
    QCOMPARE(first->maximum(), 59);
    const PointFilter filter = dialog.Filter();
    QCOMPARE(filter.first, 40);
    QCOMPARE(filter.last, 60);
    QCOMPARE(filter.step, 1);
  }

  void ExtremesRowsAreLabelledInTheControlPointColours() {
    PlotStyles styles = DefaultPlotStyles();
    styles[1][0] = 4;
    styles[2][0] = 9;
    styles[3][0] = 12;
    TfrmTable table(Results(RunKind::kTime, 20, 3), ResultsKind::kTimeRun, {}, styles);
    table.show();
    QCOMPARE(Child<QTabWidget>(table, "pgTables")->currentWidget()->objectName(),
             QString("tabMinMax"));
    QTableWidget* extremes = table.extremes();
    QCOMPARE(extremes->rowCount(), 3);
    QCOMPARE(extremes->horizontalHeaderItem(0)->text(), QString("   Минимум"));
    QCOMPARE(extremes->horizontalHeaderItem(1)->text(), QString("   Максимум"));
    QCOMPARE(extremes->item(0, 0)->text(), QString("0.1"));
    QCOMPARE(extremes->item(2, 1)->text(), QString("20.3"));
    const QStringList names{"lblN", "lblN2", "lblN3"};
    const QStringList texts{"1 :", "2 :", "3 :"};
    for (int r = 0; r < 3; ++r) {
      auto* label = Child<QLabel>(table, names[r].toUtf8().constData());
      QCOMPARE(label->text(), texts[r]);
      QCOMPARE(label->palette().color(QPalette::WindowText), PaletteColour(styles[r + 1][0]));
    }
  }

  void FrequencyRunListsAmplitudeAndPhaseOfEveryPoint() {
    TfrmTable table(Results(RunKind::kFrequency, 4, 2), ResultsKind::kFrequencyLinear, {true, true},
                    DefaultPlotStyles());
    QCOMPARE(table.windowTitle(), QString("Результаты расчёта частотных характеристик"));
    QCOMPARE(table.model()->columnCount(), 6);
    QCOMPARE(table.model()->headerData(5, Qt::Horizontal, Qt::DisplayRole).toString(),
             QString("   fi2(f), гр"));
    QCOMPARE(table.extremes()->rowCount(), 4);
    QStringList labels;
    for (const char* name : {"lblN", "lblN2", "lblN3", "lblN4"}) {
      labels << Child<QLabel>(table, name)->text();
    }
    QCOMPARE(labels, (QStringList{"1 (АЧХ):", "1 (ФЧХ):", "2 (АЧХ):", "2 (ФЧХ):"}));
  }

  void CtrlCCopiesTheSelectedRangeAsTabSeparatedText() {
    TfrmTable table(Results(RunKind::kTime, 10, 2), ResultsKind::kTimeRun, {}, DefaultPlotStyles());
    table.show();
    table.ShowResultsPage();
    ResultsGridView* grid = table.grid();
    QVERIFY(QTest::qWaitForWindowExposed(&table));
    const QRect from = grid->visualRect(table.model()->index(1, 0));
    const QRect to = grid->visualRect(table.model()->index(2, 2));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, from.center());
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, to.center());
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString(" 1\t0.100000001490116\t1.10000002384186\n"
                                                        " 2\t0.200000002980232\t2.09999990463257"));
  }
};

}  // namespace kortiv

QTEST_MAIN(kortiv::ResultsTableTest)
#include "results_table_test.moc"
