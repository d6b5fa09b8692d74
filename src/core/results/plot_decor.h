#pragma once

#include <string>
#include <vector>

#include "results/plot_frame.h"

namespace kortiv {

struct PlotState;

// A straight line of the grid or the axes, solid or dotted.
struct Stroke {
  Pixel from;
  Pixel to;
  bool dotted = false;
  bool operator==(const Stroke&) const = default;
};

// A text with its top left corner at `at`.
struct Label {
  Pixel at;
  std::string text;
  bool operator==(const Label&) const = default;
};

// Everything of a plot picture but the curves, in the grid and axes colour:
// grid lines or tick marks, the axis lines, the tick labels, the "0" label
// and the power-of-ten labels.
struct PlotDecor {
  std::vector<Stroke> strokes;
  std::vector<Label> labels;
};

PlotDecor LayOutDecor(const PlotFrame& frame, const PlotState& state, bool grid,
                      char decimal_separator);

// The text of a tick label: the mantissa in general format with three digits.
std::string TickText(double value, char decimal_separator);

}  // namespace kortiv
