#include "ui/results/results_grid_view.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <map>

namespace kortiv {
namespace {

constexpr int kRowHeight = 18;
constexpr int kColumnWidth = 74;

}  // namespace

ResultsGridView::ResultsGridView(QWidget* parent) : QTableView(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setTabKeyNavigation(true);
  setWordWrap(false);
  setTextElideMode(Qt::ElideNone);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(kRowHeight);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  horizontalHeader()->setDefaultSectionSize(kColumnWidth);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QString ResultsGridView::SelectedText() const {
  std::map<int, std::map<int, QString>> cells;
  int first_column = INT_MAX;
  int last_column = -1;
  for (const QModelIndex& index : selectionModel()->selectedIndexes()) {
    cells[index.row()][index.column()] = index.data().toString();
    first_column = std::min(first_column, index.column());
    last_column = std::max(last_column, index.column());
  }
  QStringList lines;
  for (const auto& [row, columns] : cells) {
    QStringList line;
    for (int column = first_column; column <= last_column; ++column) {
      const auto cell = columns.find(column);
      line << (cell == columns.end() ? QString() : cell->second);
    }
    lines << line.join('\t');
  }
  return lines.join('\n');
}

void ResultsGridView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    QApplication::clipboard()->setText(SelectedText());
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace kortiv
