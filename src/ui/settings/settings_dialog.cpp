#include "ui/settings/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <array>
#include <cmath>
#include <limits>

#include "draw/palette.h"
#include "model/style_duplicates.h"
#include "params/parse_number.h"
#include "results/manual_scale.h"
#include "results/plot_state.h"
#include "support/messenger.h"
#include "support/number_format.h"
#include "ui/settings/style_preview_widget.h"
#include "ui/widgets/radio_group.h"

namespace kortiv {
namespace {

// The items of the colour lists with the colour codes they stand for.
struct ColourItem {
  const char* name;
  int code;
};

constexpr std::array<ColourItem, 5> kBackgroundColours{
    {{"белый", 13}, {"серый", 14}, {"чёрный", 8}, {"цвет фона окон", 15}, {"цвет фона меню", 16}}};

constexpr std::array<ColourItem, 6> kGridColours{{{"чёрный", 8},
                                                  {"тёмно-синий", 5},
                                                  {"серый", 14},
                                                  {"голубой", 7},
                                                  {"жёлтый", 6},
                                                  {"белый", 13}}};

// A point's colour list: the item index is the colour code.
constexpr std::array<const char*, 15> kPointColours{
    "красный",     "синий",     "зелёный",       "бордовый", "пурпурный",
    "тёмно-синий", "жёлтый",    "голубой",       "чёрный",   "сиреневый",
    "лимонный",    "оливковый", "морской волны", "белый",    "серый"};

const QStringList kStyles{"сплошной", "штриховой", "пунктир", "штрих-пунктир"};
const QStringList kMethods{"1-го порядка точности", "2-го порядка точности",
                           "4-го порядка точности"};

// The items of "После окончания расчёта модели показать ...": whether the
// plot and the table are shown.
struct AfterRun {
  bool plot;
  bool table;
};
constexpr std::array<AfterRun, 4> kAfterRun{
    {{true, false}, {false, true}, {true, true}, {false, false}}};

constexpr int kMostGridSteps = 50;
constexpr int kLimitDigits = 7;

QIcon Swatch(int code) {
  QPixmap pixmap(16, 12);
  pixmap.fill(PaletteColour(code));
  return QIcon(pixmap);
}

template <std::size_t N>
QComboBox* ColourList(const QString& name, const std::array<ColourItem, N>& items,
                      QWidget* parent) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  for (const ColourItem& item : items) list->addItem(Swatch(item.code), item.name);
  return list;
}

template <std::size_t N>
int ItemOfCode(const std::array<ColourItem, N>& items, int code) {
  for (std::size_t i = 0; i < N; ++i) {
    if (items[i].code == code) return static_cast<int>(i);
  }
  return 0;
}

QCheckBox* CheckBox(const QString& name, const QString& caption, QWidget* parent) {
  auto* box = new QCheckBox(caption, parent);
  box->setObjectName(name);
  return box;
}

QLabel* Label(const QString& text, QWidget* buddy, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(buddy);
  return label;
}

QWidget* NamedPage(const QString& name) {
  auto* page = new QWidget;
  page->setObjectName(name);
  return page;
}

double ValueOf(const QLineEdit* field) {
  const ParsedNumber number = ConvertNumber(field->text().trimmed().toStdString());
  return number.ok ? number.value : std::numeric_limits<double>::quiet_NaN();
}

QString TextOf(double value) {
  return QString::fromStdString(FormatGeneral(value, kLimitDigits, 2, SystemDecimalSeparator()));
}

}  // namespace

TfrmCustom::TfrmCustom(UserSettings& settings, PlotState* shown_plot, bool results,
                       Messenger& messenger, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      plot_(shown_plot),
      results_(results),
      messenger_(messenger),
      backup_(settings.Styles) {
  setObjectName("frmCustom");
  setWindowTitle("Настройки пользователя");
  setProperty("helpTopic", "settings");
  pages_ = new QTabWidget(this);
  pages_->setObjectName("pgcCustom");
  pages_->addTab(MakeViewPage(), "Вид и поведение");
  pages_->addTab(MakeMethodsPage(), "Методы");
  pages_->addTab(MakeEditPage(), "Редактор");
  pages_->addTab(MakeGraphPage(), "Цвета графиков");
  pages_->addTab(MakeScalePage(), "Шкалы");
  pages_->addTab(MakeFreqPage(), "Частотн. хар-ки");

  auto* cmdOK = new QPushButton("Принять", this);
  cmdOK->setObjectName("cmdOK");
  cmdOK->setDefault(true);
  auto* cmdNo = new QPushButton("Отменить", this);
  cmdNo->setObjectName("cmdNo");
  connect(cmdOK, &QPushButton::clicked, this, &TfrmCustom::accept);
  connect(cmdNo, &QPushButton::clicked, this, &TfrmCustom::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdNo);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addLayout(buttons);
  Fill();
}

void TfrmCustom::ShowPage(Page page) {
  pages_->setCurrentIndex(page);
}

QWidget* TfrmCustom::MakeViewPage() {
  QWidget* page = NamedPage("tabView");
  rgrLibPosition_ = new RadioGroup("rgrLibPosition", "Положение окна библиотек в главном окне",
                                   {"слева", "справа"}, 2, page);
  rgrWhatToDo_ =
      new RadioGroup("rgrWhatToDo", "После окончания расчёта модели показать ...",
                     {"только график", "только таблицу", "график и таблицу", "ничего"}, 2, page);
  chkFirstStart_ =
      CheckBox("chkFirstStart", "при старте разворачивать окно программы на весь экран", page);
  chkDoubleWindows_ =
      CheckBox("chkDoubleWindows", "разрешить дублирование окон с графиками и таблицами", page);
  chkPercentView_ = CheckBox("chkPercentView", "показывать ход процесса расчёта в %", page);
  auto* layout = new QVBoxLayout(page);
  for (QWidget* widget : std::initializer_list<QWidget*>{
           rgrLibPosition_, rgrWhatToDo_, chkFirstStart_, chkDoubleWindows_, chkPercentView_}) {
    layout->addWidget(widget);
  }
  layout->addStretch();
  return page;
}

QWidget* TfrmCustom::MakeMethodsPage() {
  QWidget* page = NamedPage("tabMethods");
  rgrDeriv_ = new RadioGroup("rgrDeriv", "Метод численного дифференцирования", kMethods, 1, page);
  rgrDifur_ =
      new RadioGroup("rgrDifur", "Метод решения дифференциальных уравнений", kMethods, 1, page);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(rgrDeriv_);
  layout->addWidget(rgrDifur_);
  layout->addStretch();
  return page;
}

QWidget* TfrmCustom::MakeEditPage() {
  QWidget* page = NamedPage("tabEdit");
  auto* gbAsk = new QGroupBox("Спрашивать разрешение на ...", page);
  gbAsk->setObjectName("gbAsk");
  chkAskDelete_ = CheckBox("chkAskDelete", "удаление элемента схемы", gbAsk);
  chkAskPaste_ = CheckBox("chkAskPaste", "вставку  элемента схемы в занятую позицию схемы", gbAsk);
  auto* ask = new QVBoxLayout(gbAsk);
  ask->addWidget(chkAskDelete_);
  ask->addWidget(chkAskPaste_);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(gbAsk);
  layout->addStretch();
  return page;
}

QWidget* TfrmCustom::MakeGraphPage() {
  QWidget* page = NamedPage("tabGraph");
  cmbBackgroundColor_ = ColourList("cmbBackgroundColor", kBackgroundColours, page);
  cmbGridColor_ = ColourList("cmbGridColor", kGridColours, page);
  QStringList numbers;
  for (int point = 1; point <= 12; ++point) numbers << QString::number(point);
  rgVPNselect_ = new RadioGroup("rgVPNselect", "Номера точек", numbers, 2, page);
  rgGroupSelect_ = new RadioGroup("rgGroupSelect", "Настройки ...",
                                  {"основные", "для ФЧХ при выводе с АЧХ"}, 1, page);

  auto* gbVPNsettings = new QGroupBox("Настройки выбранной точки", page);
  gbVPNsettings->setObjectName("gbVPNsettings");
  cmbColor_ = new QComboBox(gbVPNsettings);
  cmbColor_->setObjectName("cmbColor");
  for (int code = 0; code < static_cast<int>(kPointColours.size()); ++code) {
    cmbColor_->addItem(Swatch(code), kPointColours[static_cast<std::size_t>(code)]);
  }
  cmbStyle_ = new QComboBox(gbVPNsettings);
  cmbStyle_->setObjectName("cmbStyle");
  cmbStyle_->addItems(kStyles);
  rgWidth_ = new RadioGroup("rgWidth", "Толщина:", {"1", "2", "3"}, 3, gbVPNsettings);
  auto* point = new QFormLayout(gbVPNsettings);
  point->addRow(Label("Цвет:", cmbColor_, gbVPNsettings), cmbColor_);
  point->addRow(Label("Стиль:", cmbStyle_, gbVPNsettings), cmbStyle_);
  point->addRow(rgWidth_);

  i1_6_ = new StylePreviewWidget("i1_6", settings_, 1, page);
  i7_12_ = new StylePreviewWidget("i7_12", settings_, 7, page);

  auto* colours = new QFormLayout;
  colours->addRow(Label("Цвет фона:", cmbBackgroundColor_, page), cmbBackgroundColor_);
  colours->addRow(Label("Цвет сетки и осей:", cmbGridColor_, page), cmbGridColor_);
  auto* previews = new QHBoxLayout;
  previews->addWidget(i1_6_);
  previews->addWidget(i7_12_);
  previews->addStretch();
  auto* left = new QVBoxLayout;
  left->addLayout(colours);
  left->addLayout(previews);
  left->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(rgGroupSelect_);
  right->addWidget(gbVPNsettings);
  right->addStretch();
  auto* layout = new QHBoxLayout(page);
  layout->addLayout(left);
  layout->addWidget(rgVPNselect_, 0, Qt::AlignTop);
  layout->addLayout(right);

  connect(cmbBackgroundColor_, &QComboBox::currentIndexChanged, this,
          &TfrmCustom::BackgroundChosen);
  connect(cmbGridColor_, &QComboBox::currentIndexChanged, this, &TfrmCustom::GridColourChosen);
  connect(rgVPNselect_, &RadioGroup::itemChosen, this, &TfrmCustom::ShowChosenPoint);
  connect(rgGroupSelect_, &RadioGroup::itemChosen, this, &TfrmCustom::ShowChosenPoint);
  connect(cmbColor_, &QComboBox::currentIndexChanged, this, &TfrmCustom::ColourChosen);
  connect(cmbStyle_, &QComboBox::currentIndexChanged, this, &TfrmCustom::StyleChosen);
  connect(rgWidth_, &RadioGroup::itemChosen, this, &TfrmCustom::WidthChosen);
  return page;
}

QWidget* TfrmCustom::MakeScalePage() {
  QWidget* page = NamedPage("tabScale");
  chkGridEnable_ = CheckBox("chkGridEnable", "показывать координатную сетку на графиках", page);
  gbGrid_manual_ = new QGroupBox("Задание диапазонов вывода на график вручную", page);
  gbGrid_manual_->setObjectName("gbGrid_manual");
  chkX_manual_ = CheckBox("chkX_manual", "по горизонтали", gbGrid_manual_);
  chkY_manual_ = CheckBox("chkY_manual", "по вертикали", gbGrid_manual_);
  auto field = [this](const QString& name) {
    auto* edit = new QLineEdit("0", gbGrid_manual_);
    edit->setObjectName(name);
    return edit;
  };
  edMinX_m_ = field("edMinX_m");
  edMaxX_m_ = field("edMaxX_m");
  edMinY_m_ = field("edMinY_m");
  edMaxY_m_ = field("edMaxY_m");
  auto steps = [this](const QString& name) {
    auto* spin = new QSpinBox(gbGrid_manual_);
    spin->setObjectName(name);
    spin->setRange(1, kMostGridSteps);
    return spin;
  };
  cspngX_m_ = steps("cspngX_m");
  cspngY_m_ = steps("cspngY_m");
  auto* grid = new QGridLayout(gbGrid_manual_);
  grid->addWidget(chkX_manual_, 0, 1);
  grid->addWidget(chkY_manual_, 0, 2);
  grid->addWidget(Label("Минимальные значения:", edMinX_m_, gbGrid_manual_), 1, 0);
  grid->addWidget(edMinX_m_, 1, 1);
  grid->addWidget(edMinY_m_, 1, 2);
  grid->addWidget(Label("Максимальные значения:", edMaxX_m_, gbGrid_manual_), 2, 0);
  grid->addWidget(edMaxX_m_, 2, 1);
  grid->addWidget(edMaxY_m_, 2, 2);
  grid->addWidget(Label("Число шагов сетки:", cspngX_m_, gbGrid_manual_), 3, 0);
  grid->addWidget(cspngX_m_, 3, 1);
  grid->addWidget(cspngY_m_, 3, 2);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(chkGridEnable_);
  layout->addWidget(gbGrid_manual_);
  layout->addStretch();
  connect(chkX_manual_, &QCheckBox::clicked, this, [this](bool on) { ManualChecked(true, on); });
  connect(chkY_manual_, &QCheckBox::clicked, this, [this](bool on) { ManualChecked(false, on); });
  return page;
}

QWidget* TfrmCustom::MakeFreqPage() {
  QWidget* page = NamedPage("tabFreq");
  rgrPhase_ = new RadioGroup("rgrPhase", "Значение фазы  выводится ...",
                             {"в радианах", "в градусах"}, 1, page);
  rgrFreq_ = new RadioGroup("rgrFreq", "Значение частоты  измеряется ...",
                            {"в радиан в секунду", "в герцах"}, 1, page);
  chkTwoPI_ = CheckBox("chkTwoPI", "исключить скачки в 2*pi на ФЧХ", page);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(rgrPhase_);
  layout->addWidget(rgrFreq_);
  layout->addWidget(chkTwoPI_);
  layout->addStretch();
  return page;
}

void TfrmCustom::Fill() {
  const UserSettings& s = settings_;
  rgrLibPosition_->SetItemIndex(s.LibraryOnRight ? 1 : 0);
  for (std::size_t i = 0; i < kAfterRun.size(); ++i) {
    if (kAfterRun[i].plot == s.ShowPlotAfterRun && kAfterRun[i].table == s.ShowTableAfterRun) {
      rgrWhatToDo_->SetItemIndex(static_cast<int>(i));
    }
  }
  chkFirstStart_->setChecked(s.MaximizeAtStart);
  chkDoubleWindows_->setChecked(s.DoubleWindows);
  chkPercentView_->setChecked(s.PercentView);
  rgrDeriv_->SetItemIndex(s.DerivMethod);
  rgrDifur_->SetItemIndex(s.OdeMethod);
  chkAskDelete_->setChecked(s.AskDelete);
  chkAskPaste_->setChecked(s.AskPaste);
  {
    const QSignalBlocker quiet_background(cmbBackgroundColor_);
    const QSignalBlocker quiet_grid(cmbGridColor_);
    cmbBackgroundColor_->setCurrentIndex(ItemOfCode(kBackgroundColours, s.Styles[0][1]));
    cmbGridColor_->setCurrentIndex(ItemOfCode(kGridColours, s.Styles[0][2]));
  }
  rgVPNselect_->SetItemIndex(0);
  rgGroupSelect_->SetItemIndex(0);
  ShowChosenPoint();
  chkGridEnable_->setChecked(s.GridEnable);
  FillManualScales();
  rgrPhase_->SetItemIndex(s.PhaseInDegrees ? 1 : 0);
  rgrFreq_->SetItemIndex(s.FreqInHertz ? 1 : 0);
  chkTwoPI_->setChecked(s.ExcludeTwoPiJumps);
}

void TfrmCustom::FillManualScales() {
  gbGrid_manual_->setEnabled(plot_ != nullptr && results_);
  if (plot_) {
    chkX_manual_->setChecked(plot_->manual_x);
    chkY_manual_->setChecked(plot_->manual_y);
    ShowAxisLimits(true, false);
    ShowAxisLimits(false, false);
  }
  UpdateManualFields();
}

// The limits of the plot's drawn axes, or of its automatic ones.
void TfrmCustom::ShowAxisLimits(bool horizontal, bool automatic) {
  const PlotAxes& axes = automatic ? plot_->auto_axes : plot_->axes;
  const ScaleLimits limits = LimitsOf(horizontal ? axes.x : axes.y[plot_->first_axis]);
  (horizontal ? edMinX_m_ : edMinY_m_)->setText(TextOf(limits.min));
  (horizontal ? edMaxX_m_ : edMaxY_m_)->setText(TextOf(limits.max));
  (horizontal ? cspngX_m_ : cspngY_m_)->setValue(limits.steps);
}

void TfrmCustom::UpdateManualFields() {
  for (QWidget* field : std::initializer_list<QWidget*>{edMinX_m_, edMaxX_m_, cspngX_m_}) {
    field->setEnabled(chkX_manual_->isChecked());
  }
  for (QWidget* field : std::initializer_list<QWidget*>{edMinY_m_, edMaxY_m_, cspngY_m_}) {
    field->setEnabled(chkY_manual_->isChecked());
  }
}

int TfrmCustom::ChosenPoint() const {
  return rgVPNselect_->ItemIndex() + 1;
}

bool TfrmCustom::PhasePairChosen() const {
  return rgGroupSelect_->ItemIndex() == 1;
}

PlotStyleRecord& TfrmCustom::ChosenRecord() {
  return settings_.Styles[ChosenPoint()];
}

int TfrmCustom::ChosenWidth() const {
  return rgWidth_->ItemIndex() + 1;
}

void TfrmCustom::ShowChosenPoint() {
  const PlotStyleRecord& record = ChosenRecord();
  const bool phase = PhasePairChosen();
  cmbColor_->setEnabled(!phase);
  {
    const QSignalBlocker quiet_colour(cmbColor_);
    const QSignalBlocker quiet_style(cmbStyle_);
    cmbColor_->setCurrentIndex(record[0]);
    cmbStyle_->setCurrentIndex(record[phase ? 3 : 1]);
  }
  rgWidth_->SetItemIndex(record[phase ? 4 : 2] - 1);
  RedrawPreviews();
}

void TfrmCustom::RedrawPreviews() {
  i1_6_->ShowPhasePair(PhasePairChosen());
  i7_12_->ShowPhasePair(PhasePairChosen());
}

void TfrmCustom::CheckDuplicates() {
  const std::string warning = DuplicateStyleWarning(settings_.Styles);
  if (!warning.empty()) messenger_.Show(warning);
}

void TfrmCustom::BackgroundChosen(int index) {
  settings_.Styles[0][1] =
      static_cast<std::int16_t>(kBackgroundColours[static_cast<std::size_t>(index)].code);
  RedrawPreviews();
}

void TfrmCustom::GridColourChosen(int index) {
  settings_.Styles[0][2] =
      static_cast<std::int16_t>(kGridColours[static_cast<std::size_t>(index)].code);
  RedrawPreviews();
}

void TfrmCustom::ColourChosen(int index) {
  if (index < 0) return;
  ChosenRecord()[0] = static_cast<std::int16_t>(index);
  RedrawPreviews();
  CheckDuplicates();
}

// Wide lines are drawn solid only.
void TfrmCustom::StyleChosen(int index) {
  if (index < 0) return;
  if (ChosenWidth() > 1 && index != 0) {
    const QSignalBlocker quiet(cmbStyle_);
    cmbStyle_->setCurrentIndex(0);
    index = 0;
  }
  ChosenRecord()[PhasePairChosen() ? 3 : 1] = static_cast<std::int16_t>(index);
  RedrawPreviews();
  CheckDuplicates();
}

void TfrmCustom::WidthChosen(int index) {
  const bool phase = PhasePairChosen();
  if (index > 0) {
    const QSignalBlocker quiet(cmbStyle_);
    cmbStyle_->setCurrentIndex(0);
    ChosenRecord()[phase ? 3 : 1] = 0;
  }
  ChosenRecord()[phase ? 4 : 2] = static_cast<std::int16_t>(index + 1);
  RedrawPreviews();
  CheckDuplicates();
}

void TfrmCustom::ManualChecked(bool horizontal, bool checked) {
  if (!plot_) return;
  (horizontal ? plot_->manual_x : plot_->manual_y) = checked;
  if (!checked) ShowAxisLimits(horizontal, true);
  UpdateManualFields();
  plot_outdated_ = true;
}

bool TfrmCustom::SetManualScales() {
  if (!plot_) return true;
  const ManualLimits limits{{ValueOf(edMinX_m_), ValueOf(edMaxX_m_), cspngX_m_->value()},
                            {ValueOf(edMinY_m_), ValueOf(edMaxY_m_), cspngY_m_->value()}};
  return ApplyManualScales(*plot_, limits, messenger_);
}

void TfrmCustom::accept() {
  UserSettings& s = settings_;
  const UserSettings before = s;
  s.MaximizeAtStart = chkFirstStart_->isChecked();
  s.LibraryOnRight = rgrLibPosition_->ItemIndex() == 1;
  const AfterRun after =
      kAfterRun[static_cast<std::size_t>(std::max(rgrWhatToDo_->ItemIndex(), 0))];
  s.ShowPlotAfterRun = after.plot;
  s.ShowTableAfterRun = after.table;
  s.DoubleWindows = chkDoubleWindows_->isChecked();
  s.PercentView = chkPercentView_->isChecked();
  s.DerivMethod = rgrDeriv_->ItemIndex();
  s.OdeMethod = rgrDifur_->ItemIndex();
  s.AskDelete = chkAskDelete_->isChecked();
  s.AskPaste = chkAskPaste_->isChecked();
  s.GridEnable = chkGridEnable_->isChecked();
  if (s.GridEnable != before.GridEnable || s.Styles != backup_) plot_outdated_ = true;
  if (results_ && !SetManualScales()) return;
  s.PhaseInDegrees = rgrPhase_->ItemIndex() == 1;
  s.FreqInHertz = rgrFreq_->ItemIndex() == 1;
  s.ExcludeTwoPiJumps = chkTwoPI_->isChecked();
  outcome_.refresh_plot = plot_outdated_ && results_;
  QDialog::accept();
}

void TfrmCustom::reject() {
  settings_.Styles = backup_;
  outcome_ = {};
  QDialog::reject();
}

}  // namespace kortiv
