#pragma once

#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include "model/element_record.h"
#include "ui/scheme_field.h"

namespace kortiv {

// The editor window: the field of cells and the two scroll bars that move
// its window over the scheme plane. The window's shift and the selection
// are view state: scrolling changes neither the scheme nor the model's
// state. Cells are window coordinates unless a name says "stored".
class TEditorFrm : public QWidget {
  Q_OBJECT
 public:
  TEditorFrm(int cols, int rows, QWidget* parent);

  SchemeField* Field() const { return field_; }
  QScrollBar* HorizontalBar() const { return horizontal_; }
  QScrollBar* VerticalBar() const { return vertical_; }

  // Repaints from the scheme; `pending_cut_stored` is the stored cell of an
  // element waiting to be cut (row 0: none).
  void Refresh(Cell pending_cut_stored = {});

  Cell Shift() const { return shift_; }
  Cell Selected() const { return selected_; }
  bool HasSelection() const { return selected_.row != 0; }
  // The stored cell of a window cell under the current shift.
  Cell StoredCell(Cell window_cell) const;
  Cell SelectedStored() const { return StoredCell(selected_); }

  void Select(Cell window_cell);
  void ClearSelection();
  // Moves the selection by a step; past an edge the window scrolls one step
  // (at most one step in 100 ms). Nothing selected: selects the top left.
  void StepSelection(int rows, int columns);
  // Brings a stored cell into the window, selects it and scrolls the pixel
  // view to it.
  void ShowStoredCell(Cell stored);
  // Back to the start: both bars at 5 within 0..10 (no shift), no selection.
  void ResetView();

 signals:
  // The selection moved to another cell or went away.
  void SelectionChanged();
  // The window moved over the scheme (cancels a pending cut).
  void Scrolled();

 private:
  void BarMoved(QScrollBar* bar, int& accepted, int position);
  void ApplyShift(Cell shift);
  void SlideRange(QScrollBar* bar, int position);
  void SetBar(QScrollBar* bar, int& accepted, int position);
  bool InWindow(Cell cell) const;
  void EnsureSelectionVisible();

  SchemeField* field_;
  QScrollArea* area_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  QTimer delay_;
  int accepted_horizontal_ = 5;
  int accepted_vertical_ = 5;
  Cell shift_;
  Cell selected_;
  Cell pending_cut_stored_;
};

}  // namespace kortiv
