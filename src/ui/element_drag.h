#pragma once

#include <QLabel>
#include <QPointer>
#include <QWidget>

#include "model/element_record.h"

namespace kortiv {

// What a drag carries inside the program: a new element of a code from the
// library, or an element moved within the field from its window cell.
struct ElementDrag {
  bool from_library = false;
  int code = 0;  // from the library
  Cell source;   // from the field: the window cell it left
};

// The distance the mouse moves with a button held before a drag begins.
inline constexpr int kDragStartDistance = 6;

// A widget that takes dropped elements.
class ElementDropTarget {
 public:
  virtual ~ElementDropTarget() = default;
  virtual bool AcceptsDrop(const ElementDrag& drag, QPoint local) const = 0;
  virtual void Drop(const ElementDrag& drag, QPoint local) = 0;
};

// A drag between the windows of the program, led by the mouse that the
// source widget holds: a picture follows the mouse, the cursor says whether
// the widget under it would take the element, and releasing the button
// drops it there. Esc gives the drag up.
class ElementDragSession : public QObject {
 public:
  ElementDragSession(QWidget* source, const ElementDrag& drag, const QPixmap& picture,
                     QPoint hot_spot);
  ~ElementDragSession();
  ElementDragSession(const ElementDragSession&) = delete;
  ElementDragSession& operator=(const ElementDragSession&) = delete;

  void MoveTo(QPoint global);
  // Drops on the widget under the point if it takes the element; true if
  // it did.
  bool DropAt(QPoint global);
  bool Cancelled() const { return cancelled_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The drop target under a point of the screen and the point in it.
  ElementDropTarget* TargetAt(QPoint global, QPoint* local) const;

  QPointer<QWidget> source_;
  ElementDrag drag_;
  QPoint hot_spot_;
  QPointer<QLabel> picture_;
  bool cancelled_ = false;
};

}  // namespace kortiv
