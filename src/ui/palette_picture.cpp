#include "ui/palette_picture.h"

#include <QMouseEvent>
#include <QPainter>

#include "draw/element_symbol.h"
#include "model/catalogue.h"
#include "ui/element_drag.h"

namespace kortiv {

PalettePicture::PalettePicture(int code, QWidget* parent) : QWidget(parent), code_(code) {
  setToolTip(QString::fromStdString(ElementName(code)));
  setCursor(Qt::OpenHandCursor);
}

void PalettePicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawElement(painter, size(), code_, kRight);
  QPen dotted(Qt::black, 1, Qt::DotLine);
  dotted.setCosmetic(true);
  painter.setPen(dotted);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PalettePicture::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  pressed_ = true;
  press_position_ = event->position().toPoint();
}

void PalettePicture::mouseMoveEvent(QMouseEvent* event) {
  if (drag_) {
    drag_->MoveTo(event->globalPosition().toPoint());
    return;
  }
  if (!pressed_ || !(event->buttons() & Qt::LeftButton)) return;
  if ((event->position().toPoint() - press_position_).manhattanLength() < kDragStartDistance) {
    return;
  }
  pressed_ = false;
  drag_ = std::make_unique<ElementDragSession>(
      this, ElementDrag{.from_library = true, .code = code_, .source = {}}, grab(),
      press_position_);
  drag_->MoveTo(event->globalPosition().toPoint());
}

void PalettePicture::mouseReleaseEvent(QMouseEvent* event) {
  pressed_ = false;
  if (!drag_) return;
  auto drag = std::move(drag_);
  drag->DropAt(event->globalPosition().toPoint());
}

void PalettePicture::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  // The element is placed now; the press of this double click starts no drag.
  pressed_ = false;
  drag_.reset();
  emit DoubleClicked(code_);
}

}  // namespace kortiv
