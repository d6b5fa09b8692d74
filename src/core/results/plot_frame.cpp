#include "results/plot_frame.h"

#include <algorithm>
#include <cmath>

#include "results/plot_state.h"

namespace kortiv {
namespace {

// Pixels per mantissa unit over an axis; an axis without extent (which
// automatic scaling never makes) puts every value on its first tick.
double PixelsPerUnit(int pixels, const AxisTicks& axis) {
  const double range = static_cast<double>(axis.Last()) - axis.First();
  return range > 0 && std::isfinite(range) ? pixels / range : 0.0;
}

// Truncates a pixel coordinate toward zero, keeping it within reach of the
// picture so that values far off it stay drawable.
int TruncatePixel(double coordinate) {
  constexpr double kReach = 4.0e6;
  return static_cast<int>(std::clamp(coordinate, -kReach, kReach));
}

}  // namespace

PlotFrame::PlotFrame(int width, int height, const PlotState& state)
    : width_(width),
      height_(height),
      plot_width_(width - 2 * kLeft),
      plot_height_(height - 2 * kTop),
      axes_(state.axes) {
  const AxisTicks& x = axes_.x;
  kx_ = PixelsPerUnit(plot_width_, x);
  x_power_ = std::pow(10.0, x.exponent);
  if (x.First() >= 0) {
    x0_ = kLeft;
  } else if (x.Last() > 0) {
    x0_ = TruncatePixel(kLeft - kx_ * x.First());
  } else {
    x0_ = width_ - kLeft;
  }
  for (int a = 0; a < 2; ++a) {
    const AxisTicks& y = axes_.y[a];
    ky_[a] = PixelsPerUnit(plot_height_, y);
    y_power_[a] = std::pow(10.0, y.exponent);
    if (y.First() >= 0) {
      y0_[a] = Bottom();
    } else if (y.Last() > 0) {
      y0_[a] = TruncatePixel(Bottom() + ky_[a] * y.First());
    } else {
      y0_[a] = kTop;
    }
  }
}

int PlotFrame::TickX(float t) const {
  return TruncatePixel((static_cast<double>(t) - axes_.x.First()) * kx_ + kLeft);
}

int PlotFrame::TickY(int axis, float t) const {
  return TruncatePixel(Bottom() - (static_cast<double>(t) - axes_.y[axis].First()) * ky_[axis]);
}

bool PlotFrame::CurvePixel(int axis, double x_value, double y_value, Pixel& pixel) const {
  if (std::isnan(x_value) || std::isnan(y_value)) return false;
  const double x_origin = x_power_ * axes_.x.First();
  const double y_origin = y_power_[axis] * axes_.y[axis].First();
  pixel.x = TruncatePixel((x_value - x_origin) * kx_ / x_power_ + kLeft);
  pixel.y = TruncatePixel(Bottom() - (y_value - y_origin) * ky_[axis] / y_power_[axis]);
  return true;
}

double PlotFrame::ValueAtX(double x) const {
  const double mantissa = kx_ > 0 ? (x - kLeft) / kx_ : 0.0;
  return (mantissa + axes_.x.First()) * x_power_;
}

double PlotFrame::ValueAtY(int axis, double y) const {
  const double mantissa = ky_[axis] > 0 ? (Bottom() - y) / ky_[axis] : 0.0;
  return (mantissa + axes_.y[axis].First()) * y_power_[axis];
}

}  // namespace kortiv
