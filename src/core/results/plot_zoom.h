#pragma once

#include "results/plot_frame.h"

namespace kortiv {

class Messenger;
struct PlotState;

// Smallest rectangle, in pixels each way, that counts as a zoom rather than
// a click.
inline constexpr int kSmallestZoom = 4;

// Zooms into the rectangle between two corners on the picture `frame`
// describes: both directions get manual limits from the values at the
// rectangle's edges, set as the settings dialog sets typed limits (a
// logarithmic frequency axis with the ticks 1, 2, ... 9 of every decade,
// other axes with the step counts they have). The limits are rounded to a
// thousandth of their span. A rectangle too small, or limits the manual
// scales refuse, leave the axes and the manual flags as they were: false.
bool ZoomTo(PlotState& state, const PlotFrame& frame, Pixel corner, Pixel other_corner,
            Messenger& messenger);

// Drops the manual limits of both directions: the plot shows its automatic
// axes again.
void ReturnToAutomaticAxes(PlotState& state, Messenger& messenger);

}  // namespace kortiv
