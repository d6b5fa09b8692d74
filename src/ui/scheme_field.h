#pragma once

#include <QWidget>
#include <memory>

#include "draw/scheme_picture.h"
#include "model/element_record.h"
#include "model/user_settings.h"
#include "ui/element_drag.h"

namespace kortiv {

class Scheme;

// The field of cells: one custom-drawn widget that paints the window of the
// scheme, its rulers and marks from the scheme on every change, and turns
// mouse and keyboard input into requests. It changes nothing itself.
// Cells are given in window coordinates (1-based; row 0: no cell).
class SchemeField : public QWidget, public ElementDropTarget {
  Q_OBJECT
 public:
  SchemeField(int cols, int rows, QWidget* parent);

  // What is painted: the scheme, the colours of its control points, the
  // shift of the window over the scheme and the marks over the cells.
  void Show(const Scheme* scheme, const PlotStyles* styles);
  void SetWindow(const SchemeWindow& window, Cell shift);
  const SchemeWindow& Window() const { return window_; }
  Cell Shift() const { return shift_; }

  // The element shown in a window cell, 0 when empty or outside.
  int ElementIn(Cell window_cell) const;
  // The window cell under a point of the widget; row 0 outside the cells.
  Cell CellAt(QPoint point) const;
  QRect CellRect(Cell window_cell) const;

  // A drop needs an empty cell; a moved element never lands on its own
  // cell, which it occupies anyway.
  bool AcceptsDrop(const ElementDrag& drag, QPoint local) const override;
  void Drop(const ElementDrag& drag, QPoint local) override;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  void CellPressed(Cell cell);
  void ContextMenuRequested(QPoint global_position);
  void CellDoubleClicked(Cell cell);
  void LibraryElementDropped(int code, Cell cell);
  void ElementMoved(Cell from, Cell to);
  // Arrow keys: the step of the selection in rows and columns.
  void SelectionStep(int rows, int columns);
  void EnterPressed();
  void SpacePressed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void StartMove(QPoint global);

  const Scheme* scheme_ = nullptr;
  const PlotStyles* styles_ = nullptr;
  SchemeWindow window_;
  Cell shift_;
  // A left press on an element, until it becomes a drag or is released.
  Cell pressed_cell_;
  QPoint press_position_;
  std::unique_ptr<ElementDragSession> drag_;
};

}  // namespace kortiv
