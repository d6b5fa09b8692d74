#pragma once

#include <string>
#include <vector>

namespace kortiv {

class PlotFrame;
struct PlotState;
struct RunState;
struct UserSettings;

// One piece of the line under the plot: a text in the colour of a colour
// code of the settings, or in the window's own text colour (code -1).
struct ReadoutPart {
  std::string text;
  int colour = -1;
  bool operator==(const ReadoutPart&) const = default;
};

// What the plot shows at the point (x, y) of the picture that `frame`
// describes. First the place of the cursor: the moment (time plots), the
// frequency in the units of the results (frequency plots, the frequency
// itself on a logarithmic axis), or the values of both axes (hodograph and
// phase portrait). Then one part per curve in the colour of its control
// point: at the point whose argument is nearest to the cursor's, the value
// (time), the amplitude and the phase (frequency, whichever the plot shows); on a hodograph
// or portrait the point of the curve nearest to the cursor on the picture,
// with its frequency or moment.
std::vector<ReadoutPart> ReadOut(const RunState& run, const PlotState& state,
                                 const PlotFrame& frame, const UserSettings& settings, double x,
                                 double y, char decimal_separator);

}  // namespace kortiv
