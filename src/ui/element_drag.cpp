#include "ui/element_drag.h"

#include <QApplication>
#include <QKeyEvent>

namespace kortiv {

ElementDragSession::ElementDragSession(QWidget* source, const ElementDrag& drag,
                                       const QPixmap& picture, QPoint hot_spot)
    : source_(source), drag_(drag), hot_spot_(hot_spot) {
  picture_ = new QLabel(source->window());
  picture_->setObjectName("DragPicture");
  picture_->setPixmap(picture);
  picture_->setAttribute(Qt::WA_TransparentForMouseEvents);
  picture_->resize(picture.deviceIndependentSize().toSize());
  QGuiApplication::setOverrideCursor(Qt::ForbiddenCursor);
  qApp->installEventFilter(this);
}

ElementDragSession::~ElementDragSession() {
  QGuiApplication::restoreOverrideCursor();
  delete picture_;
}

ElementDropTarget* ElementDragSession::TargetAt(QPoint global, QPoint* local) const {
  if (!source_) return nullptr;
  QWidget* top = source_->window();
  for (QWidget* widget = top->childAt(top->mapFromGlobal(global)); widget;
       widget = widget->parentWidget()) {
    if (widget == picture_) continue;
    if (auto* target = dynamic_cast<ElementDropTarget*>(widget)) {
      *local = widget->mapFromGlobal(global);
      return target;
    }
  }
  return nullptr;
}

bool ElementDragSession::eventFilter(QObject*, QEvent* event) {
  if (cancelled_ || event->type() != QEvent::KeyPress ||
      static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) {
    return false;
  }
  cancelled_ = true;
  if (picture_) picture_->hide();
  QGuiApplication::changeOverrideCursor(Qt::ArrowCursor);
  return true;
}

void ElementDragSession::MoveTo(QPoint global) {
  if (cancelled_ || !source_ || !picture_) return;
  QWidget* top = source_->window();
  picture_->move(top->mapFromGlobal(global) - hot_spot_);
  picture_->show();
  picture_->raise();
  QPoint local;
  ElementDropTarget* target = TargetAt(global, &local);
  const bool accepted = target && target->AcceptsDrop(drag_, local);
  QGuiApplication::changeOverrideCursor(
      accepted ? (drag_.from_library ? Qt::DragCopyCursor : Qt::DragMoveCursor)
               : Qt::ForbiddenCursor);
}

bool ElementDragSession::DropAt(QPoint global) {
  if (picture_) picture_->hide();
  if (cancelled_) return false;
  QPoint local;
  ElementDropTarget* target = TargetAt(global, &local);
  if (!target || !target->AcceptsDrop(drag_, local)) return false;
  target->Drop(drag_, local);
  return true;
}

}  // namespace kortiv
