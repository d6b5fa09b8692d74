#pragma once

#include <QMimeData>
#include <QPoint>
#include <optional>

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

QMimeData* EncodeElementDrag(const ElementDrag& drag);
std::optional<ElementDrag> DecodeElementDrag(const QMimeData* data);

}  // namespace kortiv
