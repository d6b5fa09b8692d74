#pragma once

#include <QWidget>
#include <memory>

#include "ui/element_drag.h"

namespace kortiv {

// One picture of the library's palette: the symbol of an element code in
// orientation 0 in a dotted frame, with the element's name as its hint.
// Dragging it carries the code to the field; a double click asks for the
// element to be placed in the selected cell.
class PalettePicture : public QWidget {
  Q_OBJECT
 public:
  PalettePicture(int code, QWidget* parent);

  int code() const { return code_; }

 signals:
  void DoubleClicked(int code);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  int code_;
  bool pressed_ = false;
  std::unique_ptr<ElementDragSession> drag_;
  QPoint press_position_;
};

}  // namespace kortiv
