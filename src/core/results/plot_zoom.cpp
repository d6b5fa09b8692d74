#include "results/plot_zoom.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "results/manual_scale.h"
#include "results/plot_state.h"

namespace kortiv {
namespace {

// The ticks 1, 2, ... 9 of every decade.
constexpr int kLogarithmicSteps = 10;

// Limits rounded to a thousandth of their span, so that the labels read
// short.
ScaleLimits Rounded(double low, double high, int steps) {
  const double span = high - low;
  if (!(span > 0) || !std::isfinite(span)) return {low, high, steps};
  const double unit = std::pow(10.0, std::floor(std::log10(span)) - 3);
  return {std::round(low / unit) * unit, std::round(high / unit) * unit, steps};
}

}  // namespace

bool ZoomTo(PlotState& state, const PlotFrame& frame, Pixel corner, Pixel other_corner,
            Messenger& messenger) {
  const int left = std::min(corner.x, other_corner.x);
  const int right = std::max(corner.x, other_corner.x);
  const int top = std::min(corner.y, other_corner.y);
  const int bottom = std::max(corner.y, other_corner.y);
  if (right - left < kSmallestZoom || bottom - top < kSmallestZoom) return false;

  const int a0 = state.first_axis;
  ManualLimits limits;
  limits.horizontal = Rounded(frame.ValueAtX(left), frame.ValueAtX(right),
                              state.log_frequency_axis ? kLogarithmicSteps : state.axes.x.count);
  limits.vertical =
      Rounded(frame.ValueAtY(a0, bottom), frame.ValueAtY(a0, top), state.axes.y[a0].count);

  const PlotState before = state;
  state.manual_x = true;
  state.manual_y = true;
  if (ApplyManualScales(state, limits, messenger)) return true;
  state = before;
  return false;
}

void ReturnToAutomaticAxes(PlotState& state, Messenger& messenger) {
  state.manual_x = false;
  state.manual_y = false;
  ApplyManualScales(state, {}, messenger);
}

}  // namespace kortiv
