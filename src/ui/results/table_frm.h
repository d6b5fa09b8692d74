#pragma once

#include <QWidget>
#include <memory>

#include "model/user_settings.h"
#include "results/point_filter.h"
#include "results/results_kind.h"
#include "ui/results/results_snapshot.h"

class QLabel;
class QPushButton;
class QTableWidget;
class QTabWidget;

namespace kortiv {

class ResultsGridView;
class ResultsTableModel;

// The results table window: the points of the last run with a heading per
// column, and a page with the smallest and largest value of every column,
// labelled in the colours of the control points.
class TfrmTable : public QWidget {
  Q_OBJECT

 public:
  TfrmTable(std::shared_ptr<const ResultsSnapshot> results, ResultsKind kind, ResultsUnits units,
            const PlotStyles& styles, QWidget* parent = nullptr);
  ~TfrmTable() override;

  // Shows the points first, first + step, ... up to last.
  void Fill(const PointFilter& filter);

  void ShowResultsPage();   // the main window's "Таблица"
  void ShowExtremesPage();  // the plot window's "Таблицы"

  ResultsGridView* grid() const { return StringGridTable_; }
  ResultsTableModel* model() const { return model_.get(); }
  QTableWidget* extremes() const { return StringGridExtr_; }
  int LastPoint() const { return results_->last_point; }

 private:
  QWidget* BuildResultsPage();
  QWidget* BuildExtremesPage(ResultsKind kind, const PlotStyles& styles);
  void btnSetFiltrClick();
  void btnRemoveFiltrClick();

  std::shared_ptr<const ResultsSnapshot> results_;
  std::unique_ptr<ResultsTableModel> model_;
  QTabWidget* pgTables_;
  QWidget* tabMain_;
  QWidget* tabMinMax_;
  ResultsGridView* StringGridTable_;
  QPushButton* btnSetFiltr_;
  QPushButton* btnRemoveFiltr_;
  QTableWidget* StringGridExtr_;
};

}  // namespace kortiv
