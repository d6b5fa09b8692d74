#include "ui/params/coefficient_grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace kortiv {
namespace {

constexpr int kRowPadding = 8;
constexpr int kCellPadding = 12;

QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

CoefficientGridView::CoefficientGridView(QWidget* parent) : QTableWidget(parent) {
  setRowCount(CoefficientGrid::kRowCount);
  horizontalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  setTabKeyNavigation(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  verticalHeader()->setHighlightSections(false);
  connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (!showing_) emit CellEdited(item->row(), item->column() + 1, item->text());
  });
}

void CoefficientGridView::ShowGrid(const CoefficientGrid& grid) {
  showing_ = true;
  clearContents();
  setColumnCount(grid.ColumnCount() - 1);
  QStringList titles;
  for (int row = 0; row < CoefficientGrid::kRowCount; ++row) {
    titles << ToQString(grid.Cell(row, 0));
    for (int column = 1; column < grid.ColumnCount(); ++column) {
      const QString text = ToQString(grid.Cell(row, column));
      auto* item = new QTableWidgetItem(text);
      const bool index = row == CoefficientGrid::kIndexRow;
      if (index || text == ToQString(CoefficientGrid::kAbsent)) item->setFlags(Qt::ItemIsEnabled);
      if (index) item->setBackground(palette().button());
      item->setTextAlignment(Qt::AlignCenter);
      setItem(row, column - 1, item);
    }
  }
  setVerticalHeaderLabels(titles);
  const int row_height = fontMetrics().height() + kRowPadding;
  for (int row = 0; row < CoefficientGrid::kRowCount; ++row) setRowHeight(row, row_height);
  FitColumns();
  showing_ = false;
}

QString CoefficientGridView::CellText(int row, int column) const {
  if (column == 0) return model()->headerData(row, Qt::Vertical).toString();
  const QTableWidgetItem* cell = item(row, column - 1);
  return cell ? cell->text() : QString();
}

bool CoefficientGridView::CellEditable(int row, int column) const {
  return column > 0 && Editable(row, column - 1);
}

int CoefficientGridView::LeastColumnWidth() const {
  return fontMetrics().horizontalAdvance(QStringLiteral("-0,00000")) + kCellPadding;
}

int CoefficientGridView::WidthFor(int indices) const {
  return 2 * frameWidth() + verticalHeader()->sizeHint().width() + indices * LeastColumnWidth();
}

void CoefficientGridView::FitColumns() {
  const int indices = columnCount();
  if (indices <= 0) return;
  const int spare = std::max(width() - WidthFor(indices), 0);
  const int each = LeastColumnWidth() + spare / indices;
  for (int column = 0; column < indices; ++column) setColumnWidth(column, each);
  setColumnWidth(indices - 1, each + spare % indices);
}

int CoefficientGridView::RowsHeight() const {
  int rows = 2 * frameWidth();
  for (int row = 0; row < rowCount(); ++row) rows += rowHeight(row);
  return rows;
}

int CoefficientGridView::HeightFor(int width) const {
  int columns = 2 * frameWidth() + verticalHeader()->sizeHint().width();
  for (int column = 0; column < columnCount(); ++column) columns += columnWidth(column);
  return columns > width ? MostHeight() : RowsHeight();
}

int CoefficientGridView::MostHeight() const {
  return RowsHeight() + horizontalScrollBar()->sizeHint().height();
}

bool CoefficientGridView::Editable(int row, int view_column) const {
  const QTableWidgetItem* cell = item(row, view_column);
  return cell != nullptr && (cell->flags() & Qt::ItemIsEditable);
}

void CoefficientGridView::FocusFirstCell() {
  setFocus(Qt::OtherFocusReason);
  for (int row = 0; row < rowCount(); ++row) {
    for (int column = 0; column < columnCount(); ++column) {
      if (Editable(row, column)) return setCurrentCell(row, column);
    }
  }
}

void CoefficientGridView::MoveToNextEditable() {
  const int cells = rowCount() * columnCount();
  const int from = std::max(currentRow(), 0) * columnCount() + std::max(currentColumn(), 0);
  for (int step = 1; step <= cells; ++step) {
    const int at = (from + step) % cells;
    const int row = at / columnCount();
    const int column = at % columnCount();
    if (!Editable(row, column)) continue;
    setCurrentCell(row, column);  // commits an open editor
    setFocus(Qt::OtherFocusReason);
    return;
  }
}

void CoefficientGridView::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    MoveToNextEditable();
    event->accept();
    return;
  }
  QTableWidget::keyPressEvent(event);
}

}  // namespace kortiv
