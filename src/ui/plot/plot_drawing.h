#pragma once

#include <QSize>

#include "model/user_settings.h"
#include "results/plot_state.h"

namespace kortiv {

// The plot as drawn at the last redraw: its axes, the settings of that
// moment and the size of the picture then. Changes of the settings or of
// the axes show at the next redraw.
struct PlotDrawing {
  bool drawn = false;  // nothing but the background before the first redraw
  QSize size;
  PlotState state;
  UserSettings settings;
};

}  // namespace kortiv
