#pragma once

#include <QTableWidget>

#include "params/coefficient_grid.h"

namespace kortiv {

// The coefficient grid of the general linear element on the form: the row
// titles and the index row are fixed, the "нет" cells cannot be edited.
// Typing replaces a cell's text; Enter moves on to the next editable cell
// instead of accepting the dialog.
class CoefficientGridView : public QTableWidget {
  Q_OBJECT

 public:
  explicit CoefficientGridView(QWidget* parent = nullptr);

  // Shows `grid`, replacing every cell.
  void ShowGrid(const CoefficientGrid& grid);
  // The width that shows the titles and `indices` columns of coefficients.
  int WidthFor(int indices) const;
  // Spreads the columns over the grid's width when they fit it.
  void FitColumns();
  // The height that shows the four rows, with room for the scroll bar when
  // the columns do not fit `width`.
  int HeightFor(int width) const;
  // The height with the scroll bar's room, whatever the columns.
  int MostHeight() const;
  // Makes the first editable cell current.
  void FocusFirstCell();

 signals:
  // A cell was changed by the user.
  void CellEdited(int row, int column, const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int RowsHeight() const;
  int LeastColumnWidth() const;
  bool Editable(int row, int column) const;
  void MoveToNextEditable();

  bool showing_ = false;
};

}  // namespace kortiv
