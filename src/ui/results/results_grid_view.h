#pragma once

#include <QTableView>

namespace kortiv {

// The grid of the results table: fixed row heights (so a million rows scroll
// smoothly), no editing, range selection; Ctrl+C copies the selected cells
// as tab-separated text.
class ResultsGridView : public QTableView {
  Q_OBJECT

 public:
  explicit ResultsGridView(QWidget* parent = nullptr);

  // The selected cells, a line per row and a TAB between the cells of a
  // row; cells of the bounding range that are not selected stay empty.
  QString SelectedText() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace kortiv
