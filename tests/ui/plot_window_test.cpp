// The plot window driven as a user drives it: shown, resized, pointed at,
// dragged over and double-clicked with real mouse events.
#include "ui/plot/plot_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "series/run_state.h"
#include "model/user_settings.h"
#include "model_calculation.h"
#include "recording_messenger.h"
#include "results/plot_setup.h"
#include "results/plot_state.h"
#include "scheme_builder.h"

using namespace kortiv;

namespace {

QString ExampleModel(int k) {
  return QString(KORTIV_TEST_DATA) + "/example" + QString::number(k) + ".krt";
}

// A sweep generator over 10^-1..10^2 rad/s into 2/(p + 1) with control
// point 1, then an integrator with point 2.
bool WriteSweep(const std::string& path, int plot_kind) {
  return test::WriteModel(path,
                          {{{1, 1, 112}, {-1, 2, float(plot_kind / 10), float(plot_kind % 10), 10}},
                           {{1, 2, 204, 0, 1}, {2, 1, 0}},
                           {{1, 3, 201, 0, 2}, {1, 0}}},
                          0.01f, 2);
}

// The picture kortiv-calc plot saves of the model at the size.
QImage CalcPicture(const QString& model, QSize size, const QStringList& options,
                   const QTemporaryDir& dir) {
  const QString file = dir.filePath("plot.bmp");
  QStringList arguments{"plot", model,    "-o",
                        file,   "--size", QString("%1x%2").arg(size.width()).arg(size.height()),
                        "--yes"};
  arguments << options;
  QProcess calc;
  calc.start(KORTIV_CALC, arguments);
  if (!calc.waitForFinished(60000) || calc.exitCode() != 0) return {};
  return QImage(file).convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class PlotWindowTest : public QObject {
  Q_OBJECT

 private:
  // Calculates and prepares the model as the program does after a run,
  // then makes the window over it.
  std::unique_ptr<TfrmGraph> MakeWindow(const QString& model, bool portrait = false) {
    run_ = std::make_unique<RunState>();
    plot_ = PlotState{};
    if (!test::CalculateModel(model.toStdString(), settings_, portrait, *run_, messenger_)) {
      return nullptr;
    }
    PreparePlot(*run_, settings_, portrait, plot_, messenger_);
    return std::make_unique<TfrmGraph>(*run_, plot_, settings_, messenger_);
  }

  static QWidget* Picture(TfrmGraph& window) { return window.findChild<QWidget*>("imgGraph"); }

  static QImage Grab(TfrmGraph& window) {
    return Picture(window)->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  // Shows the window at the size and waits for the redraw after it.
  static void ShowDrawn(TfrmGraph& window, QSize size) {
    window.resize(size);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(window.Picture().size(), Picture(window)->size());
  }

  static QPoint PointOf(TfrmGraph& window, double x, double y) {
    const PlotFrame frame(Picture(window)->width(), Picture(window)->height(), window.Plot());
    Pixel pixel;
    frame.CurvePixel(0, x, y, pixel);
    return {pixel.x, pixel.y};
  }

  UserSettings settings_;
  test::RecordingMessenger messenger_;
  std::unique_ptr<RunState> run_;
  PlotState plot_;
  QTemporaryDir dir_;

 private slots:
  void init() {
    settings_ = UserSettings{};
    messenger_.Clear();
  }

  void windowIsTheGraphsWindowWithItsButtons() {
    auto window = MakeWindow(ExampleModel(1));
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Графики"));
    QCOMPARE(window->property("helpTopic").toString(), QString("plot"));
    QVERIFY(window->findChild<QTimer*>("tmrResize"));
    const QStringList captions{"Настройка", "Таблицы", "Обновить"};
    const QStringList names{"btnSetting", "btnTable", "btnRefresh"};
    for (int i = 0; i < 3; ++i) {
      auto* button = window->findChild<QPushButton*>(names[i]);
      QVERIFY(button);
      QCOMPARE(button->text(), captions[i]);
    }
    QVERIFY(!window->findChild<QPushButton*>("btnRefresh")->isEnabled());
    // Nothing is drawn before the window is shown.
    QVERIFY(window->Picture().isNull());
  }

  void pictureIsTheOneTheBatchRunnerSaves_data() {
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QSize>("window");
    for (int k = 1; k <= 6; ++k) {
      QTest::addRow("example %d", k)
          << ExampleModel(k) << false << QStringList{} << QSize(640, 420);
    }
    QTest::addRow("portrait") << ExampleModel(4) << true << QStringList{"--portrait"}
                              << QSize(500, 380);
    for (int kind : {0, 1, 2, 10, 11, 12, 20, 21, 22, 30}) {
      const QString path = dir_.filePath(QString("sweep%1.krt").arg(kind));
      QVERIFY(WriteSweep(path.toStdString(), kind));
      QTest::addRow("sweep %d", kind) << path << false << QStringList{} << QSize(523, 367);
    }
  }

  void pictureIsTheOneTheBatchRunnerSaves() {
    QFETCH(QString, model);
    QFETCH(bool, portrait);
    QFETCH(QStringList, options);
    QFETCH(QSize, window);
    auto plot = MakeWindow(model, portrait);
    QVERIFY(plot);
    ShowDrawn(*plot, window);
    const QImage shown = Grab(*plot);
    const QImage saved = CalcPicture(model, shown.size(), options, dir_);
    QCOMPARE(saved.size(), shown.size());
    QVERIFY(saved == shown);
    QCOMPARE(plot->Picture(), shown);
  }

  void resizingRedrawsOnlyAfterTheLastStep() {
    auto window = MakeWindow(ExampleModel(5));
    ShowDrawn(*window, QSize(600, 400));
    const QSize before = window->Picture().size();
    window->resize(700, 450);
    QTest::qWait(30);
    window->resize(720, 470);
    // Until the timer has run, the old picture is stretched.
    QCOMPARE(window->Picture().size(), before);
    QTRY_COMPARE(window->Picture().size(), Picture(*window)->size());
    QCOMPARE(Picture(*window)->width(), 720 - 4);
    QVERIFY(messenger_.entries.empty());
  }

  void refreshRedrawsAtOnceWithTheSettingsOfNowAndOutdatesTheTable() {
    auto window = MakeWindow(ExampleModel(5));
    ShowDrawn(*window, QSize(600, 400));
    QSignalSpy table(window.get(), &TfrmGraph::tableOutOfDate);
    settings_.Styles[0][1] = 8;  // black background
    QCOMPARE(Grab(*window).pixel(1, 1), qRgb(255, 255, 255));
    auto* refresh = window->findChild<QPushButton*>("btnRefresh");
    window->EnableRefresh();
    QVERIFY(refresh->isEnabled());
    QTest::mouseClick(refresh, Qt::LeftButton);
    QCOMPARE(Grab(*window).pixel(1, 1), qRgb(0, 0, 0));
    QVERIFY(!refresh->isEnabled());
    QCOMPARE(table.count(), 1);
  }

  void buttonsAskForTheSettingsAndTheTables() {
    auto window = MakeWindow(ExampleModel(2));
    ShowDrawn(*window, QSize(500, 300));
    QSignalSpy settings(window.get(), &TfrmGraph::settingsRequested);
    QSignalSpy tables(window.get(), &TfrmGraph::tablesRequested);
    QTest::mouseClick(window->findChild<QPushButton*>("btnSetting"), Qt::LeftButton);
    QTest::mouseClick(window->findChild<QPushButton*>("btnTable"), Qt::LeftButton);
    QCOMPARE(settings.count(), 1);
    QCOMPARE(tables.count(), 1);
  }

  void shownFlagFollowsShowingAndClosingWhichDropsManualLimits() {
    auto window = MakeWindow(ExampleModel(3));
    QSignalSpy shown(window.get(), &TfrmGraph::shownChanged);
    QVERIFY(!window->PlotShown());
    ShowDrawn(*window, QSize(500, 300));
    QVERIFY(window->PlotShown());
    window->Plot().manual_x = true;
    window->Plot().manual_y = true;
    window->close();
    QVERIFY(!window->PlotShown());
    QVERIFY(!window->Plot().manual_x);
    QVERIFY(!window->Plot().manual_y);
    QCOMPARE(shown.count(), 2);
    QCOMPARE(shown.at(0).at(0).toBool(), true);
    QCOMPARE(shown.at(1).at(0).toBool(), false);
  }

  void readoutShowsTheCurvesUnderTheMouseInTheirColours() {
    // Example 1: a time run with its control points; point 2 in olive.
    settings_.Styles[2][0] = 11;
    auto window = MakeWindow(ExampleModel(1));
    ShowDrawn(*window, QSize(640, 420));
    auto* readout = window->findChild<QLabel*>("lblReadout");
    QVERIFY(readout);
    const int j = run_->last_point / 2;
    const QPoint at = PointOf(*window, run_->Moment(j), 0);
    QTest::mouseMove(Picture(*window), QPoint(at.x(), 50));
    const QString text = readout->text();
    QVERIFY2(text.contains("t = "), qPrintable(text));
    QVERIFY2(text.contains("color:#ff0000\">1: "), qPrintable(text));
    if (run_->control_points >= 2) QVERIFY2(text.contains("color:#808000\">2: "), qPrintable(text));
    // The value of point 1 at that moment, as the line shows it.
    const QString value = QString::number(run_->ResultAt(j, 1), 'g', 4);
    QVERIFY2(text.contains("1: " + QString(value).replace('.', QLocale().decimalPoint())),
             qPrintable(text + " / " + value));
  }

  void draggingZoomsAndDoubleClickReturnsToTheAutomaticAxes() {
    auto window = MakeWindow(ExampleModel(5));
    ShowDrawn(*window, QSize(640, 420));
    const PlotAxes automatic = window->Plot().axes;
    const QImage whole = Grab(*window);
    QWidget* picture = Picture(*window);
    // From a quarter to a half of the time axis, over the upper half.
    const int w = picture->width();
    const int h = picture->height();
    QTest::mousePress(picture, Qt::LeftButton, {}, QPoint(30 + (w - 60) / 4, 20));
    QTest::mouseMove(picture, QPoint(30 + (w - 60) / 2, h / 2));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, QPoint(30 + (w - 60) / 2, h / 2));
    const PlotState& zoomed = window->Plot();
    QVERIFY(zoomed.manual_x);
    QVERIFY(zoomed.manual_y);
    const double span = automatic.x.Last() - automatic.x.First();
    const double power = std::pow(10.0, automatic.x.exponent);
    QVERIFY(std::abs(zoomed.axes.x.First() - (automatic.x.First() + span / 4) * power) <
            0.01 * span * power);
    QVERIFY(std::abs(zoomed.axes.x.Last() - (automatic.x.First() + span / 2) * power) <
            0.01 * span * power);
    QVERIFY(zoomed.axes.y[0].First() > automatic.y[0].First());
    // Drawn at once.
    QVERIFY(Grab(*window) != whole);
    QVERIFY(messenger_.entries.empty());

    QTest::mouseDClick(picture, Qt::LeftButton, {}, QPoint(100, 100));
    QVERIFY(!window->Plot().manual_x);
    QVERIFY(!window->Plot().manual_y);
    QCOMPARE(window->Plot().axes.x.ticks, automatic.x.ticks);
    QCOMPARE(Grab(*window), whole);
  }

  void clickIsNoZoom() {
    auto window = MakeWindow(ExampleModel(5));
    ShowDrawn(*window, QSize(640, 420));
    QTest::mouseClick(Picture(*window), Qt::LeftButton, {}, QPoint(200, 100));
    QVERIFY(!window->Plot().manual_x);
  }

  void ctrlCCopiesThePicture() {
    auto window = MakeWindow(ExampleModel(6));
    ShowDrawn(*window, QSize(500, 360));
    window->activateWindow();
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
    const QImage copied =
        QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(copied.size(), window->Picture().size());
    QVERIFY(copied == window->Picture());
  }
};

QTEST_MAIN(PlotWindowTest)
#include "plot_window_test.moc"
