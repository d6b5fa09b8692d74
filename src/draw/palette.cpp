#include "draw/palette.h"

#include "model/user_settings.h"

namespace kortiv {

QColor PaletteColour(int code) {
  const Rgb rgb = ColourOf(code);
  return QColor(rgb.red, rgb.green, rgb.blue);
}

QColor MenuColour() {
  return PaletteColour(kMenuColour);
}

}  // namespace kortiv
