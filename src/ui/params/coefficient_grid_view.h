#pragma once

#include <QTableWidget>

#include "params/coefficient_grid.h"

namespace kortiv {

// The coefficient grid of the general linear element on the form. The row
// titles (the grid's column 0) stand in the row header, so they stay in
// sight while the coefficients scroll; the index row and the "нет" cells
// cannot be edited. Typing replaces a cell's text; Enter moves on to the
// next editable cell instead of accepting the dialog. Columns are counted
// as in CoefficientGrid, the titles being column 0.
class CoefficientGridView : public QTableWidget {
  Q_OBJECT

 public:
  explicit CoefficientGridView(QWidget* parent = nullptr);

  // Shows `grid`, replacing every cell.
  void ShowGrid(const CoefficientGrid& grid);

  int GridColumnCount() const { return columnCount() + 1; }
  QString CellText(int row, int column) const;
  bool CellEditable(int row, int column) const;
  int CurrentGridColumn() const { return currentColumn() + 1; }
  void SetCurrentGridCell(int row, int column) { setCurrentCell(row, column - 1); }
  // Makes the first editable cell current.
  void FocusFirstCell();

  // The width that shows the titles and `indices` columns of coefficients.
  int WidthFor(int indices) const;
  // Spreads the columns over the grid's width when they fit it.
  void FitColumns();
  // The height that shows the four rows, with room for the scroll bar when
  // the columns do not fit `width`.
  int HeightFor(int width) const;
  // The height with the scroll bar's room, whatever the columns.
  int MostHeight() const;

 signals:
  // A cell was changed by the user.
  void CellEdited(int row, int column, const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int RowsHeight() const;
  int LeastColumnWidth() const;
  bool Editable(int row, int view_column) const;
  void MoveToNextEditable();

  bool showing_ = false;
};

}  // namespace kortiv
