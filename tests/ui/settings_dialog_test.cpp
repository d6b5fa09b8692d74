// The user settings dialog driven with the mouse and the keyboard.
#include "ui/settings/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "model/user_settings.h"
#include "recording_messenger.h"
#include "results/plot_axes.h"
#include "results/plot_state.h"

using namespace kortiv;

namespace {

// Automatic axes 0..5 across and amplitudes 0..1 with phases -20..0 (-2..0
// times 10) upwards; the drawn axes a copy.
PlotState AmplitudeAndPhasePlot() {
  PlotState plot;
  plot.kind = PlotKind::kFrequency;
  plot.first_axis = 0;
  plot.last_axis = 1;
  auto axis = [](float low, float high, int count, int exponent) {
    AxisTicks ticks;
    ticks.count = count;
    ticks.exponent = exponent;
    ticks.ticks.clear();
    for (int i = 0; i <= count; ++i) ticks.ticks.push_back(EvenTick(low, high, i, count));
    return ticks;
  };
  plot.auto_axes.x = axis(0, 5, 10, 0);
  plot.auto_axes.y[0] = axis(0, 1, 10, 0);
  plot.auto_axes.y[1] = axis(-2, 0, 10, 1);
  plot.axes = FreshAxesFrom(plot.auto_axes);
  return plot;
}

const char* const kPairWarning =
    "Для точек 1 и 2 заданы одинаковые настройки! Они будут неразличимы на графике.";
const char* const kPointThreeWarning =
    "Для точки 3 заданы одинаковые настройки для вывода ФЧХ и АЧХ в одних осях! Они будут "
    "неразличимы на графике.";

}  // namespace

class SettingsDialogTest : public QObject {
  Q_OBJECT

 private:
  void Open(PlotState* plot = nullptr, bool results = false) {
    dialog_ = std::make_unique<TfrmCustom>(settings_, plot, results, messenger_);
    dialog_->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog_.get()));
  }

  template <typename T>
  T* Find(const char* name) {
    T* widget = dialog_->findChild<T*>(name);
    if (!widget) qFatal("no widget %s", name);
    return widget;
  }

  // Clicks near the left end, on the box and its caption: a radio button or
  // check box wider than its caption takes no click at its middle.
  void Click(const char* name) {
    QAbstractButton* button = Find<QAbstractButton>(name);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
  }

  // Shows the page and clicks a radio button or check box on it.
  void ClickOn(int page, const char* name) {
    Find<QTabWidget>("pgcCustom")->setCurrentIndex(page);
    Click(name);
  }

  // Moves a list's choice with the keyboard, as a user does.
  void KeyInto(const char* list, Qt::Key key, int times = 1) {
    QComboBox* box = Find<QComboBox>(list);
    box->setFocus();
    for (int i = 0; i < times; ++i) QTest::keyClick(box, key);
  }

  void TypeInto(const char* field, const QString& text) {
    QLineEdit* edit = Find<QLineEdit>(field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
  }

  QImage Preview(const char* name) {
    return Find<QWidget>(name)->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  UserSettings settings_;
  test::RecordingMessenger messenger_;
  std::unique_ptr<TfrmCustom> dialog_;

 private slots:
  void init() {
    settings_ = UserSettings{};
    messenger_.Clear();
  }

  void cleanup() { dialog_.reset(); }

  void pagesAndControlsAsDesigned() {
    Open();
    QCOMPARE(dialog_->windowTitle(), QString("Настройки пользователя"));
    QCOMPARE(dialog_->property("helpTopic").toString(), QString("settings"));
    auto* pages = Find<QTabWidget>("pgcCustom");
    const QStringList titles{"Вид и поведение", "Методы", "Редактор",
                             "Цвета графиков",  "Шкалы",  "Частотн. хар-ки"};
    const QStringList names{"tabView", "tabMethods", "tabEdit", "tabGraph", "tabScale", "tabFreq"};
    QCOMPARE(pages->count(), 6);
    for (int i = 0; i < 6; ++i) {
      QCOMPARE(pages->tabText(i), titles[i]);
      QCOMPARE(pages->widget(i)->objectName(), names[i]);
    }
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(Find<QPushButton>("cmdOK")->text(), QString("Принять"));
    QVERIFY(Find<QPushButton>("cmdOK")->isDefault());
    QCOMPARE(Find<QPushButton>("cmdNo")->text(), QString("Отменить"));
    QCOMPARE(Find<QGroupBox>("rgrWhatToDo")->title(),
             QString("После окончания расчёта модели показать ..."));
    QCOMPARE(Find<QRadioButton>("rgrWhatToDo_3")->text(), QString("ничего"));
    QCOMPARE(Find<QCheckBox>("chkAskPaste")->text(),
             QString("вставку  элемента схемы в занятую позицию схемы"));
    QCOMPARE(Find<QComboBox>("cmbColor")->count(), 15);
    QCOMPARE(Find<QComboBox>("cmbColor")->itemText(12), QString("морской волны"));
    QCOMPARE(Find<QComboBox>("cmbBackgroundColor")->itemText(3), QString("цвет фона окон"));
    QCOMPARE(Find<QComboBox>("cmbStyle")->itemText(3), QString("штрих-пунктир"));
    QCOMPARE(Find<QGroupBox>("rgrPhase")->title(), QString("Значение фазы  выводится ..."));
    QCOMPARE(Find<QSpinBox>("cspngX_m")->maximum(), 50);
    for (const char* name :
         {"i1_6", "i7_12", "edMinX_m", "edMaxY_m", "chkTwoPI", "rgVPNselect_11"}) {
      Find<QWidget>(name);
    }
    // No plot shown: no manual scales.
    QVERIFY(!Find<QGroupBox>("gbGrid_manual")->isEnabled());
    dialog_->ShowPage(TfrmCustom::kScalePage);
    QCOMPARE(pages->currentWidget()->objectName(), QString("tabScale"));
  }

  void controlsShowTheSettingsAndAcceptTakesThem() {
    settings_.ShowPlotAfterRun = false;
    settings_.ShowTableAfterRun = true;
    settings_.OdeMethod = 2;
    Open();
    QVERIFY(Find<QRadioButton>("rgrWhatToDo_1")->isChecked());
    QVERIFY(Find<QRadioButton>("rgrDifur_2")->isChecked());
    ClickOn(0, "rgrWhatToDo_2");
    ClickOn(0, "rgrLibPosition_1");
    ClickOn(0, "chkDoubleWindows");
    ClickOn(2, "chkAskDelete");
    Click("cmdOK");
    QCOMPARE(dialog_->result(), int(QDialog::Accepted));
    QVERIFY(settings_.ShowPlotAfterRun);
    QVERIFY(settings_.ShowTableAfterRun);
    QVERIFY(settings_.LibraryOnRight);
    QVERIFY(settings_.DoubleWindows);
    QVERIFY(!settings_.AskDelete);
  }

  void whiteGridIsStoredAs13AndShownAgain() {
    Open();
    Find<QTabWidget>("pgcCustom")->setCurrentIndex(TfrmCustom::kGraphPage);
    KeyInto("cmbGridColor", Qt::Key_End);
    QCOMPARE(Find<QComboBox>("cmbGridColor")->currentText(), QString("белый"));
    QCOMPARE(settings_.Styles[0][2], 13);
    Click("cmdOK");
    Open();
    QCOMPARE(Find<QComboBox>("cmbGridColor")->currentText(), QString("белый"));
  }

  void widthTwoTurnsDottedIntoSolid() {
    Open();
    Find<QTabWidget>("pgcCustom")->setCurrentIndex(TfrmCustom::kGraphPage);
    KeyInto("cmbStyle", Qt::Key_Down, 2);
    QCOMPARE(Find<QComboBox>("cmbStyle")->currentText(), QString("пунктир"));
    QCOMPARE(settings_.Styles[1][1], 2);
    Click("rgWidth_1");
    QCOMPARE(Find<QComboBox>("cmbStyle")->currentText(), QString("сплошной"));
    QCOMPARE(settings_.Styles[1][1], 0);
    QCOMPARE(settings_.Styles[1][2], 2);
    // A wide line takes no other style.
    KeyInto("cmbStyle", Qt::Key_Down);
    QCOMPARE(Find<QComboBox>("cmbStyle")->currentText(), QString("сплошной"));
    QCOMPARE(settings_.Styles[1][1], 0);
  }

  void pointTwoInTheColourOfPointOneWarnsOnceAboutThePair() {
    Open();
    Find<QTabWidget>("pgcCustom")->setCurrentIndex(TfrmCustom::kGraphPage);
    Click("rgVPNselect_1");
    QCOMPARE(Find<QComboBox>("cmbColor")->currentText(), QString("синий"));
    KeyInto("cmbColor", Qt::Key_Up);
    QCOMPARE(settings_.Styles[2][0], 0);
    QCOMPARE(messenger_.Texts(), std::vector<std::string>{kPairWarning});
  }

  void phasePairOfPointThreeLikeItsMainPairWarnsAboutPointThree() {
    Open();
    Find<QTabWidget>("pgcCustom")->setCurrentIndex(TfrmCustom::kGraphPage);
    Click("rgVPNselect_2");
    Click("rgGroupSelect_1");
    QVERIFY(!Find<QComboBox>("cmbColor")->isEnabled());
    QCOMPARE(Find<QComboBox>("cmbStyle")->currentText(), QString("пунктир"));
    KeyInto("cmbStyle", Qt::Key_Home);
    QCOMPARE(settings_.Styles[3][3], 0);
    QCOMPARE(settings_.Styles[3][1], 0);
    QCOMPARE(messenger_.Texts(), std::vector<std::string>{kPointThreeWarning});
  }

  void colourEditsShowAtOnceAndCancelRestoresThem() {
    Open();
    const PlotStyles before = settings_.Styles;
    Find<QTabWidget>("pgcCustom")->setCurrentIndex(TfrmCustom::kGraphPage);
    const QImage first = Preview("i1_6");
    QCOMPARE(first.pixel(50, 16), qRgb(255, 0, 0));
    KeyInto("cmbColor", Qt::Key_Down, 3);  // point 1 maroon
    Click("rgVPNselect_1");
    KeyInto("cmbColor", Qt::Key_Down, 5);  // point 2 yellow
    Click("rgVPNselect_2");
    KeyInto("cmbColor", Qt::Key_Down, 8);  // point 3 lime
    QCOMPARE(settings_.Styles[1][0], 3);
    QCOMPARE(settings_.Styles[2][0], 6);
    QCOMPARE(settings_.Styles[3][0], 10);
    QCOMPARE(Preview("i1_6").pixel(50, 16), qRgb(128, 0, 0));
    QCOMPARE(Preview("i1_6").pixel(50, 35), qRgb(255, 255, 0));
    Click("cmdNo");
    QCOMPARE(dialog_->result(), int(QDialog::Rejected));
    QVERIFY(settings_.Styles == before);
  }

  void acceptedColoursNeedNoReplacingOfControlPoints() {
    Open();
    Find<QTabWidget>("pgcCustom")->setCurrentIndex(TfrmCustom::kGraphPage);
    KeyInto("cmbColor", Qt::Key_End);
    Click("cmdOK");
    QCOMPARE(settings_.Styles[1][0], 14);
    QVERIFY(messenger_.entries.empty());
    QVERIFY(dialog_->Outcome().refresh_plot == false);  // no results
  }

  void equalHorizontalLimitsKeepTheDialogOpen() {
    PlotState plot = AmplitudeAndPhasePlot();
    Open(&plot, true);
    QVERIFY(Find<QGroupBox>("gbGrid_manual")->isEnabled());
    QCOMPARE(Find<QLineEdit>("edMaxX_m")->text(), QString("5"));
    QVERIFY(!Find<QLineEdit>("edMinX_m")->isEnabled());
    ClickOn(TfrmCustom::kScalePage, "chkX_manual");
    QVERIFY(plot.manual_x);
    QVERIFY(Find<QLineEdit>("edMinX_m")->isEnabled());
    TypeInto("edMinX_m", "5");
    TypeInto("edMaxX_m", "5");
    Click("cmdOK");
    QVERIFY(dialog_->isVisible());
    QCOMPARE(messenger_.Texts(), std::vector<std::string>{"Неверно заданы пределы по горизонтали"});
    // Put right, the limits are taken; the phase axis follows the amplitude axis.
    TypeInto("edMaxX_m", "7,5");
    ClickOn(TfrmCustom::kScalePage, "chkY_manual");
    TypeInto("edMinY_m", "0.5");
    TypeInto("edMaxY_m", "1");
    Find<QSpinBox>("cspngY_m")->setValue(5);
    Click("cmdOK");
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(plot.axes.x.First(), 5.0f);
    QCOMPARE(plot.axes.x.Last(), 7.5f);
    QCOMPARE(plot.axes.y[0].count, 5);
    QCOMPARE(plot.axes.y[1].count, 5);
    QCOMPARE(plot.axes.y[1].First(), -10.0f);
    QCOMPARE(plot.axes.y[1].Last(), 0.0f);
    QVERIFY(dialog_->Outcome().refresh_plot);
  }

  void manualOffShowsTheAutomaticAxisAgain() {
    PlotState plot = AmplitudeAndPhasePlot();
    plot.manual_y = true;
    plot.axes.y[0] = plot.auto_axes.y[0];
    plot.axes.y[0].ticks[0] = 0.25f;
    Open(&plot, true);
    QCOMPARE(Find<QLineEdit>("edMinY_m")->text(),
             QString("0.25").replace('.', QLocale().decimalPoint()));
    ClickOn(TfrmCustom::kScalePage, "chkY_manual");
    QVERIFY(!plot.manual_y);
    QCOMPARE(Find<QLineEdit>("edMinY_m")->text(), QString("0"));
    QVERIFY(!Find<QLineEdit>("edMinY_m")->isEnabled());
    // The box acts at once; Cancel does not take it back.
    Click("cmdNo");
    QVERIFY(!plot.manual_y);
  }

  void unitsAreTakenAndTheGridOptionAsksForARedraw() {
    PlotState plot = AmplitudeAndPhasePlot();
    Open(&plot, true);
    ClickOn(TfrmCustom::kFreqPage, "rgrPhase_1");
    ClickOn(TfrmCustom::kFreqPage, "rgrFreq_1");
    ClickOn(TfrmCustom::kMethodsPage, "rgrDeriv_2");
    Click("cmdOK");
    QVERIFY(settings_.PhaseInDegrees);
    QVERIFY(settings_.FreqInHertz);
    QCOMPARE(settings_.DerivMethod, 2);
    QVERIFY(!dialog_->Outcome().refresh_plot);
    Open(&plot, true);
    ClickOn(TfrmCustom::kScalePage, "chkGridEnable");
    Click("cmdOK");
    QVERIFY(!settings_.GridEnable);
    QVERIFY(dialog_->Outcome().refresh_plot);
    // Without results there is nothing to draw again.
    Open(&plot, false);
    ClickOn(TfrmCustom::kScalePage, "chkGridEnable");
    Click("cmdOK");
    QVERIFY(settings_.GridEnable);
    QVERIFY(!dialog_->Outcome().refresh_plot);
  }
};

QTEST_MAIN(SettingsDialogTest)
#include "settings_dialog_test.moc"
