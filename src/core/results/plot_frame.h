#pragma once

#include <array>

#include "results/plot_axes.h"

namespace kortiv {

struct PlotState;

// A pixel of the picture; y grows downward.
struct Pixel {
  int x = 0;
  int y = 0;
  bool operator==(const Pixel&) const = default;
};

// Where the axes of a plot fall on a picture of width x height pixels: the
// plot area starts 30 pixels from the left and 20 from the top and leaves
// the same margins on the right and at the bottom.
class PlotFrame {
 public:
  static constexpr int kLeft = 30;
  static constexpr int kTop = 20;

  PlotFrame(int width, int height, const PlotState& state);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int PlotWidth() const { return plot_width_; }
  int PlotHeight() const { return plot_height_; }
  int Right() const { return kLeft + plot_width_; }
  int Bottom() const { return kTop + plot_height_; }
  // The vertical axis line and the horizontal axis line of vertical axis a.
  int X0() const { return x0_; }
  int Y0(int axis) const { return y0_[axis]; }

  // The pixel column of horizontal tick value t and the pixel row of tick
  // value t of vertical axis a (both mantissas).
  int TickX(float t) const;
  int TickY(int axis, float t) const;

  // The pixel of a result value pair drawn against vertical axis a. Values far
  // off the picture are held within a few million pixels of it; a pair with
  // a value that is not a number has no pixel (false).
  bool CurvePixel(int axis, double x_value, double y_value, Pixel& pixel) const;

  // The values a point of the picture stands for, the inverse of CurvePixel
  // (real values: mantissas times the power of ten). An axis without extent
  // gives its first tick.
  double ValueAtX(double x) const;
  double ValueAtY(int axis, double y) const;

 private:
  int width_;
  int height_;
  int plot_width_;
  int plot_height_;
  PlotAxes axes_;
  double kx_;
  std::array<double, 2> ky_;
  std::array<double, 2> y_power_;
  double x_power_;
  int x0_;
  std::array<int, 2> y0_;
};

}  // namespace kortiv
