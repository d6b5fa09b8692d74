#pragma once

#include <QColor>

namespace kortiv {

// The colour of a colour code of the settings (0..16).
QColor PaletteColour(int code);

// The system menu colour: the background of empty cells and of symbols.
QColor MenuColour();

}  // namespace kortiv
