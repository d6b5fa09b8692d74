#pragma once

#include <QAbstractTableModel>
#include <memory>
#include <vector>

#include "results/point_filter.h"
#include "results/results_kind.h"
#include "ui/results/results_snapshot.h"

namespace kortiv {

// The rows of the results table: one per chosen point, the point number,
// the argument and every value of the point. The headings are the
// horizontal header (the grid's fixed first row). A cell is turned into text
// only when the view shows it, so a run of a million points opens at once.
class ResultsTableModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  ResultsTableModel(std::shared_ptr<const ResultsSnapshot> results, ResultsKind kind,
                    ResultsUnits units, char decimal_separator, QObject* parent = nullptr);

  // Shows the points first, first + step, ... up to last.
  void Fill(const PointFilter& filter);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The text of a cell as the grid shows it.
  QString CellText(int row, int column) const;
  int PointOfRow(int row) const { return first_ + row * step_; }

 private:
  std::shared_ptr<const ResultsSnapshot> results_;
  std::vector<QString> headings_;
  char separator_;
  int first_ = 0;
  int step_ = 1;
  int rows_ = 0;
};

// A value as the table shows it: general format, 15 significant digits of
// the 32-bit value (0.1 is 0.100000001490116).
QString TableNumber(float value, char decimal_separator);

}  // namespace kortiv
