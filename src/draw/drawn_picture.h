#pragma once

#include <QSize>
#include <functional>

class QPainter;

namespace kortiv {

// A picture drawn on demand: its size in its own pixels and what draws it
// there. Printed or saved as SVG it stays vector; saved as a bitmap it is
// drawn on an image of that size.
struct DrawnPicture {
  QSize size;
  std::function<void(QPainter&)> draw;
};

}  // namespace kortiv
