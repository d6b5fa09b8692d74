#include "ui/results/table_frm.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "draw/palette.h"
#include "results/results_headings.h"
#include "support/number_format.h"
#include "ui/results/filter_frm.h"
#include "ui/results/results_grid_view.h"
#include "ui/results/results_table_model.h"

namespace kortiv {
namespace {

// The designed widths of the first columns of the results grid.
constexpr int kFirstColumnWidths[] = {35, 83, 79, 79, 74};
constexpr int kExtremesRowHeight = 18;
constexpr int kLabelLeft = 0;
constexpr int kLabelTop = 24;
constexpr int kLabelWidth = 54;
constexpr int kLabelGap = 6;
constexpr int kExtremesLeft = 56;

QString ExtremeText(float value, char separator) {
  return QString::fromStdString(FormatGeneral(value, 7, 3, separator));
}

}  // namespace

TfrmTable::TfrmTable(std::shared_ptr<const ResultsSnapshot> results, ResultsKind kind,
                     ResultsUnits units, const PlotStyles& styles, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint),
      results_(std::move(results)),
      model_(std::make_unique<ResultsTableModel>(results_, kind, units, SystemDecimalSeparator())) {
  setObjectName("frmTable");
  setProperty("helpTopic", "table");
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWindowTitle(QString::fromStdString(ResultsTitle(kind)));
  pgTables_ = new QTabWidget(this);
  pgTables_->setObjectName("pgTables");
  tabMain_ = BuildResultsPage();
  tabMinMax_ = BuildExtremesPage(kind, styles);
  pgTables_->addTab(tabMain_, "Результаты расчёта");
  pgTables_->addTab(tabMinMax_, "Дополнительные сведения");
  pgTables_->setCurrentWidget(tabMinMax_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pgTables_);

  // Placed at the right of the screen, 0.65 of its width from the left.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const QRect area = screen->geometry();
    const float share = 0.65f;
    setGeometry(static_cast<int>(area.width() * share), 0,
                static_cast<int>(area.width() * (1 - share)),
                static_cast<int>(area.height() * 0.9));
  }
}

TfrmTable::~TfrmTable() = default;

QWidget* TfrmTable::BuildResultsPage() {
  auto* page = new QWidget;
  page->setObjectName("tabMain");
  btnSetFiltr_ = new QPushButton("Фильтр", page);
  btnSetFiltr_->setObjectName("btnSetFiltr");
  btnRemoveFiltr_ = new QPushButton("Снять фильтр", page);
  btnRemoveFiltr_->setObjectName("btnRemoveFiltr");
  btnRemoveFiltr_->setEnabled(false);
  connect(btnSetFiltr_, &QPushButton::clicked, this, &TfrmTable::btnSetFiltrClick);
  connect(btnRemoveFiltr_, &QPushButton::clicked, this, &TfrmTable::btnRemoveFiltrClick);

  StringGridTable_ = new ResultsGridView(page);
  StringGridTable_->setObjectName("StringGridTable");
  StringGridTable_->setModel(model_.get());
  // The designed widths, widened where the font needs more for fifteen
  // digits with a sign and an exponent.
  const int number_width =
      StringGridTable_->fontMetrics().horizontalAdvance("-0.000100000004749745") + 8;
  for (int c = 0; c < model_->columnCount(); ++c) {
    const int designed = c < static_cast<int>(std::size(kFirstColumnWidths))
                             ? kFirstColumnWidths[c]
                             : kFirstColumnWidths[std::size(kFirstColumnWidths) - 1];
    StringGridTable_->setColumnWidth(c, c == 0 ? designed : std::max(designed, number_width));
  }
  const QString last_point = " " + QString::number(results_->last_point);
  StringGridTable_->setColumnWidth(
      0, std::max(kFirstColumnWidths[0],
                  StringGridTable_->fontMetrics().horizontalAdvance(last_point) + 12));

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(btnSetFiltr_);
  buttons->addWidget(btnRemoveFiltr_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(buttons);
  layout->addWidget(StringGridTable_);
  return page;
}

QWidget* TfrmTable::BuildExtremesPage(ResultsKind kind, const PlotStyles& styles) {
  auto* page = new QWidget;
  page->setObjectName("tabMinMax");
  const int rows = results_->ValueColumns();
  const char separator = SystemDecimalSeparator();
  StringGridExtr_ = new QTableWidget(rows, 2, page);
  StringGridExtr_->setObjectName("StringGridExtr");
  StringGridExtr_->setHorizontalHeaderLabels({"   Минимум", "   Максимум"});
  StringGridExtr_->verticalHeader()->hide();
  StringGridExtr_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  StringGridExtr_->verticalHeader()->setDefaultSectionSize(kExtremesRowHeight);
  StringGridExtr_->horizontalHeader()->setFixedHeight(kExtremesRowHeight + 4);
  StringGridExtr_->setColumnWidth(0, 86);
  StringGridExtr_->setColumnWidth(1, 88);
  StringGridExtr_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGridExtr_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGridExtr_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGridExtr_->setGeometry(kExtremesLeft, 0, 86 + 88 + 4, rows * (kExtremesRowHeight + 1) + 22);
  for (int r = 1; r <= rows; ++r) {
    const ValueRange range = results_->extremes.columns[static_cast<std::size_t>(r)];
    StringGridExtr_->setItem(r - 1, 0, new QTableWidgetItem(ExtremeText(range.min, separator)));
    StringGridExtr_->setItem(r - 1, 1, new QTableWidgetItem(ExtremeText(range.max, separator)));

    // The labels stand beside the rows, level with them.
    auto* label = new QLabel(QString::fromStdString(ExtremesLabel(kind, r)), page);
    label->setObjectName(r == 1 ? QString("lblN") : QString("lblN%1").arg(r));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const int top = kLabelTop + kExtremesRowHeight * (r - 1);
    label->setGeometry(kLabelLeft, top, kLabelWidth, kExtremesRowHeight);
    QPalette palette = label->palette();
    palette.setColor(
        QPalette::WindowText,
        PaletteColour(styles[static_cast<std::size_t>(ControlPointOfColumn(kind, r))][0]));
    label->setPalette(palette);
  }
  return page;
}

void TfrmTable::Fill(const PointFilter& filter) {
  model_->Fill(filter);
}

void TfrmTable::ShowResultsPage() {
  pgTables_->setCurrentWidget(tabMain_);
}

void TfrmTable::ShowExtremesPage() {
  pgTables_->setCurrentWidget(tabMinMax_);
}

void TfrmTable::btnSetFiltrClick() {
  const std::optional<PointFilter> filter =
      AskPointFilter(this, results_->last_point, kTableStepCaption);
  if (!filter) return;
  Fill(*filter);
  const PointFilter whole = WholeRange(results_->last_point);
  btnRemoveFiltr_->setEnabled(filter->first != whole.first || filter->step != whole.step ||
                              filter->last != whole.last);
}

void TfrmTable::btnRemoveFiltrClick() {
  Fill(WholeRange(results_->last_point));
  btnRemoveFiltr_->setEnabled(false);
}

}  // namespace kortiv
