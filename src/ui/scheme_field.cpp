#include "ui/scheme_field.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "draw/element_symbol.h"
#include "model/scheme.h"
#include "ui/element_drag.h"

namespace kortiv {

SchemeField::SchemeField(int cols, int rows, QWidget* parent) : QWidget(parent) {
  setObjectName("fraFieldEditor1");
  window_.cols = cols;
  window_.rows = rows;
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFixedSize(sizeHint());
}

QSize SchemeField::sizeHint() const {
  return SchemePictureSize(window_);
}

void SchemeField::Show(const Scheme* scheme, const PlotStyles* styles) {
  scheme_ = scheme;
  styles_ = styles;
  update();
}

void SchemeField::SetWindow(const SchemeWindow& window, Cell shift) {
  window_.selected = window.selected;
  window_.pending_cut = window.pending_cut;
  shift_ = shift;
  update();
}

int SchemeField::ElementIn(Cell window_cell) const {
  if (!scheme_ || window_cell.row < 1 || window_cell.row > window_.rows || window_cell.column < 1 ||
      window_cell.column > window_.cols) {
    return 0;
  }
  return scheme_->ElementAt({window_cell.row - shift_.row, window_cell.column - shift_.column});
}

Cell SchemeField::CellAt(QPoint point) const {
  const QPoint inside = point - CellOrigin({1, 1});
  if (inside.x() < 0 || inside.y() < 0) return {};
  const Cell cell{inside.y() / kCellSize.height() + 1, inside.x() / kCellSize.width() + 1};
  if (cell.row > window_.rows || cell.column > window_.cols) return {};
  return cell;
}

QRect SchemeField::CellRect(Cell window_cell) const {
  return QRect(CellOrigin(window_cell), kCellSize);
}

// The picture is drawn on an image of the screen's density, so that the
// inverting marks work and the lines stay sharp on a dense screen.
void SchemeField::paintEvent(QPaintEvent*) {
  const qreal ratio = devicePixelRatioF();
  QImage image(sizeHint() * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  {
    QPainter painter(&image);
    if (scheme_ && styles_) {
      DrawSchemePicture(painter, *scheme_, *styles_, window_, shift_);
    } else {
      painter.fillRect(QRect(QPoint(0, 0), sizeHint()), palette().window());
    }
  }
  QPainter painter(this);
  painter.drawImage(0, 0, image);
}

void SchemeField::mousePressEvent(QMouseEvent* event) {
  const Cell cell = CellAt(event->position().toPoint());
  pressed_cell_ = {};
  if (cell.row == 0) return;
  setFocus(Qt::MouseFocusReason);
  emit CellPressed(cell);
  if (event->button() == Qt::RightButton) {
    emit ContextMenuRequested(event->globalPosition().toPoint());
  } else if (event->button() == Qt::LeftButton && ElementIn(cell) > 0) {
    pressed_cell_ = cell;
    press_position_ = event->position().toPoint();
  }
}

void SchemeField::mouseMoveEvent(QMouseEvent* event) {
  if (drag_) {
    drag_->MoveTo(event->globalPosition().toPoint());
    return;
  }
  if (pressed_cell_.row == 0 || !(event->buttons() & Qt::LeftButton)) return;
  if ((event->position().toPoint() - press_position_).manhattanLength() < kDragStartDistance) {
    return;
  }
  StartMove(event->globalPosition().toPoint());
}

void SchemeField::StartMove(QPoint global) {
  const Cell source = pressed_cell_;
  pressed_cell_ = {};
  const QRect rect = CellRect(source);
  drag_ = std::make_unique<ElementDragSession>(
      this, ElementDrag{.from_library = false, .code = 0, .source = source}, grab(rect),
      press_position_ - rect.topLeft());
  drag_->MoveTo(global);
}

void SchemeField::mouseReleaseEvent(QMouseEvent* event) {
  pressed_cell_ = {};
  if (!drag_) return;
  auto drag = std::move(drag_);
  drag->DropAt(event->globalPosition().toPoint());
}

void SchemeField::mouseDoubleClickEvent(QMouseEvent* event) {
  pressed_cell_ = {};
  drag_.reset();
  if (event->button() != Qt::LeftButton) return;
  const Cell cell = CellAt(event->position().toPoint());
  if (cell.row != 0) emit CellDoubleClicked(cell);
}

bool SchemeField::AcceptsDrop(const ElementDrag& drag, QPoint local) const {
  const Cell target = CellAt(local);
  if (target.row == 0 || ElementIn(target) != 0) return false;
  return drag.from_library || drag.source != target;
}

void SchemeField::Drop(const ElementDrag& drag, QPoint local) {
  const Cell target = CellAt(local);
  if (drag.from_library) {
    emit LibraryElementDropped(drag.code, target);
  } else {
    emit ElementMoved(drag.source, target);
  }
}

void SchemeField::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      emit SelectionStep(0, -1);
      break;
    case Qt::Key_Right:
      emit SelectionStep(0, 1);
      break;
    case Qt::Key_Up:
      emit SelectionStep(-1, 0);
      break;
    case Qt::Key_Down:
      emit SelectionStep(1, 0);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit EnterPressed();
      break;
    case Qt::Key_Space:
      emit SpacePressed();
      break;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  event->accept();
}

}  // namespace kortiv
