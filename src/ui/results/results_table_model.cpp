#include "ui/results/results_table_model.h"

#include <algorithm>

#include "results/results_headings.h"
#include "support/number_format.h"

namespace kortiv {

QString TableNumber(float value, char decimal_separator) {
  return QString::fromStdString(FormatGeneral(value, 15, 1, decimal_separator));
}

ResultsTableModel::ResultsTableModel(std::shared_ptr<const ResultsSnapshot> results,
                                     ResultsKind kind, ResultsUnits units, char decimal_separator,
                                     QObject* parent)
    : QAbstractTableModel(parent), results_(std::move(results)), separator_(decimal_separator) {
  for (const auto& heading : TableHeadings(kind, results_->control_points, units)) {
    headings_.push_back(QString::fromStdString(heading));
  }
  // A phase portrait of an odd count of points leaves its last value
  // without a heading of its own; its column still shows.
  headings_.resize(static_cast<std::size_t>(columnCount()));
  Fill(WholeRange(results_->last_point));
}

void ResultsTableModel::Fill(const PointFilter& filter) {
  beginResetModel();
  first_ = std::clamp(filter.first, 0, results_->last_point);
  step_ = std::max(filter.step, 1);
  const int last = std::min(filter.last, results_->last_point);
  // trunc((c - a) / b + 1.01) rows of points; none when the range is empty.
  rows_ = last < first_ ? 0 : static_cast<int>((last - first_) / double(step_) + 1.01);
  endResetModel();
}

int ResultsTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int ResultsTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : results_->ValueColumns() + 2;
}

QString ResultsTableModel::CellText(int row, int column) const {
  const int p = PointOfRow(row);
  if (column == 0) return " " + QString::number(p);
  return TableNumber(results_->At(p, column - 1), separator_);
}

QVariant ResultsTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return CellText(index.row(), index.column());
}

QVariant ResultsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return QString::number(PointOfRow(section));
  return headings_[static_cast<std::size_t>(section)];
}

}  // namespace kortiv
