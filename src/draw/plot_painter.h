#pragma once

class QImage;
class QPainter;
class QRect;

namespace kortiv {

struct PlotState;
struct RunState;
struct UserSettings;

// Draws the plot of the results into `area` of the painter's device,
// whatever its size: the background, the grid or tick marks, the axes and
// their labels in the grid colour, and the curve of every control point
// (pair) in its colour, line style and width, with direction arrows on phase
// portraits and hodographs. The area is measured in the painter's logical
// pixels: on a device with more pixels per logical pixel (a screen at 200 %,
// a printer) lines and labels keep their logical size and come out sharp.
// Nothing is drawn outside the area.
void PaintPlot(QPainter& painter, const QRect& area, const RunState& run, const PlotState& state,
               const UserSettings& settings);

// The plot painted on the whole of a picture (files, the clipboard).
void PaintPlot(QImage& picture, const RunState& run, const PlotState& state,
               const UserSettings& settings);

}  // namespace kortiv
