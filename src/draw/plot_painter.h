#pragma once

class QImage;

namespace kortiv {

struct PlotState;
struct RunState;
struct UserSettings;

// Draws the plot of the results on the whole picture, whatever its size:
// the background, the grid or tick marks, the axes and their labels in the
// grid colour, and the curve of every control point (pair) in its colour,
// line style and width, with direction arrows on phase portraits and
// hodographs.
void PaintPlot(QImage& picture, const RunState& run, const PlotState& state,
               const UserSettings& settings);

}  // namespace kortiv
