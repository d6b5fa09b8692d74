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
  verticalHeader()->hide();
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  setTabKeyNavigation(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (!showing_) emit CellEdited(item->row(), item->column(), item->text());
  });
}

void CoefficientGridView::ShowGrid(const CoefficientGrid& grid) {
  showing_ = true;
  clearContents();
  setColumnCount(grid.ColumnCount());
  const QPalette fixed = palette();
  for (int row = 0; row < CoefficientGrid::kRowCount; ++row) {
    for (int column = 0; column < grid.ColumnCount(); ++column) {
      const QString text = ToQString(grid.Cell(row, column));
      auto* item = new QTableWidgetItem(text);
      const bool title = row == CoefficientGrid::kIndexRow || column == 0;
      const bool absent = text == ToQString(CoefficientGrid::kAbsent);
      if (title || absent) item->setFlags(Qt::ItemIsEnabled);
      if (title) item->setBackground(fixed.button());
      item->setTextAlignment(column == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
      setItem(row, column, item);
    }
  }
  const int row_height = fontMetrics().height() + kRowPadding;
  for (int row = 0; row < CoefficientGrid::kRowCount; ++row) setRowHeight(row, row_height);
  resizeColumnToContents(0);
  setColumnWidth(0, columnWidth(0) + kCellPadding);
  FitColumns();
  showing_ = false;
}

int CoefficientGridView::LeastColumnWidth() const {
  return fontMetrics().horizontalAdvance(QStringLiteral("-0,00000")) + kCellPadding;
}

int CoefficientGridView::WidthFor(int indices) const {
  return 2 * frameWidth() + columnWidth(0) + indices * LeastColumnWidth();
}

void CoefficientGridView::FitColumns() {
  const int indices = columnCount() - 1;
  if (indices <= 0) return;
  const int spare = width() - WidthFor(indices);
  const int each = LeastColumnWidth() + std::max(spare, 0) / indices;
  for (int column = 1; column <= indices; ++column) setColumnWidth(column, each);
}

int CoefficientGridView::RowsHeight() const {
  int rows = 2 * frameWidth();
  for (int row = 0; row < rowCount(); ++row) rows += rowHeight(row);
  return rows;
}

int CoefficientGridView::HeightFor(int width) const {
  int columns = 2 * frameWidth();
  for (int column = 0; column < columnCount(); ++column) columns += columnWidth(column);
  return columns > width ? MostHeight() : RowsHeight();
}

int CoefficientGridView::MostHeight() const {
  return RowsHeight() + horizontalScrollBar()->sizeHint().height();
}

bool CoefficientGridView::Editable(int row, int column) const {
  const QTableWidgetItem* cell = item(row, column);
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
