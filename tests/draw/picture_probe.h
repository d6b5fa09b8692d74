#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

#include "draw/palette.h"

namespace kortiv::test {

// Reading pictures back in the draw tests.
inline QColor PixelAt(const QImage& image, QPoint at) {
  return QColor(image.pixel(at));
}

inline bool IsDark(const QImage& image, QPoint at) {
  return image.rect().contains(at) && PixelAt(image, at).lightness() < 96;
}

inline bool IsBackground(const QImage& image, QPoint at) {
  return PixelAt(image, at) == MenuColour();
}

// Number of pixels inside `area` that differ from the background.
inline int DrawnPixels(const QImage& image, const QRect& area) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) count += !IsBackground(image, {x, y});
  }
  return count;
}

// A picture of `size` in one colour.
inline QImage Plain(QSize size, const QColor& colour) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  return image;
}

}  // namespace kortiv::test
