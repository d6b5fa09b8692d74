#include "results/plot_decor.h"

#include <cmath>

#include "results/plot_state.h"
#include "support/number_format.h"

namespace kortiv {
namespace {

// Ticks this close to zero get no label of their own: the "0" label stands
// at the crossing of the axes instead.
constexpr float kZeroBand = 0.04f;
// A range whose top stays below this is drawn with its labels above the
// picture's area rather than below the axis.
constexpr float kLowTop = 0.05f;

// The power-of-ten labels written out in full; others show the exponent
// raised beside "(x10".
const char* FixedPowerText(int exponent) {
  switch (exponent) {
    case 1:
      return "(x10)";
    case 2:
      return "(x100)";
    case -1:
      return "(x0.1)";
    case -2:
      return "(x0.01)";
    default:
      return nullptr;
  }
}

class DecorBuilder {
 public:
  DecorBuilder(const PlotFrame& frame, const PlotState& state, bool grid, char separator)
      : frame_(frame),
        state_(state),
        grid_(grid),
        separator_(separator),
        x_(state.axes.x),
        y_(state.axes.y[state.first_axis]),
        a0_(state.first_axis),
        y0_(frame.Y0(state.first_axis)) {}

  PlotDecor Build() {
    AddXTicks();
    AddYTicks();
    Line({frame_.X0(), PlotFrame::kTop}, {frame_.X0(), frame_.Bottom()}, false);
    Line({PlotFrame::kLeft, y0_}, {frame_.Right(), y0_}, false);
    if (state_.TwoValueAxes()) AddSecondAxis();
    AddXLabels();
    AddYLabels();
    AddZeroLabel();
    AddPowerLabels();
    return std::move(decor_);
  }

 private:
  void Line(Pixel from, Pixel to, bool dotted) { decor_.strokes.push_back({from, to, dotted}); }
  void Text(Pixel at, std::string text) { decor_.labels.push_back({at, std::move(text)}); }
  bool LowTop() const { return y_.Last() < kLowTop; }

  void AddXTicks() {
    for (int i = 0; i <= x_.count; ++i) {
      const int x = frame_.TickX(x_.ticks[i]);
      if (grid_) {
        Line({x, PlotFrame::kTop}, {x, frame_.Bottom()}, true);
      } else {
        Line({x, y0_ - 2}, {x, y0_ + 3}, false);
      }
    }
  }

  void AddYTicks() {
    for (int j = 0; j <= y_.count; ++j) {
      const int y = frame_.TickY(a0_, y_.ticks[j]);
      if (grid_) {
        Line({PlotFrame::kLeft, y}, {frame_.Right(), y}, true);
      } else {
        Line({frame_.X0() - 2, y}, {frame_.X0() + 3, y}, false);
      }
    }
  }

  void AddSecondAxis() {
    const int a1 = state_.last_axis;
    const AxisTicks& axis = state_.axes.y[a1];
    for (int j = 0; j <= axis.count; ++j) {
      const int y = frame_.TickY(a1, axis.ticks[j]);
      Line({frame_.X0(), y}, {frame_.X0() + 3, y}, false);
      Text({frame_.X0() + 4, y - 6}, TickText(axis.ticks[j], separator_));
    }
  }

  static bool Labelled(float tick, bool manual) {
    return std::fabs(tick) > kZeroBand || (manual && tick != 0);
  }

  void AddXLabels() {
    const int top = LowTop() ? 2 : y0_ + 2;
    for (int i = 0; i <= x_.count; ++i) {
      const float tick = x_.ticks[i];
      const Pixel at{frame_.TickX(tick) - 10, top};
      if (state_.log_frequency_axis) {
        Text(at, TickText(std::pow(10.0, static_cast<double>(tick)), separator_));
      } else if (Labelled(tick, state_.manual_x)) {
        Text(at, TickText(tick, separator_));
      }
    }
  }

  void AddYLabels() {
    for (int j = 0; j <= y_.count; ++j) {
      const float tick = y_.ticks[j];
      if (Labelled(tick, state_.manual_y)) {
        Text({frame_.X0() - 27, frame_.TickY(a0_, tick) - 6}, TickText(tick, separator_));
      }
    }
  }

  void AddZeroLabel() {
    const bool x_zero = !state_.log_frequency_axis && x_.First() * x_.Last() <= 0;
    const bool y_zero = y_.First() * y_.Last() <= 0;
    const int x0 = frame_.X0();
    Pixel at;
    if (x_zero && y_zero) {
      at = ZeroOfBothRanges();
    } else if (x_zero) {
      at = {x0 - 4, y_.First() > -kLowTop ? y0_ + 2 : 2};
    } else if (y_zero) {
      at = {x_.First() > -kLowTop ? 15 : x0 + 2, y0_ - 4};
    } else {
      return;
    }
    Text(at, "0");
  }

  Pixel ZeroOfBothRanges() const {
    const int x0 = frame_.X0();
    if (x_.First() > -kLowTop || x_.Last() < kLowTop) {
      const int x = x_.Last() < kLowTop ? x0 + 2 : 15;
      int y = 2;
      if (y_.First() > -kLowTop) {
        y = y0_ + 2;
      } else if (y_.Last() >= kLowTop) {
        y = y0_ - 4;
      }
      return {x, y};
    }
    if (y_.First() > -kLowTop) return {x0 - 4, y0_ + 2};
    return {x0 - 10, y_.Last() >= kLowTop ? y0_ + 2 : 2};
  }

  void AddPowerLabel(int exponent, Pixel at) {
    if (exponent == 0) return;
    if (const char* text = FixedPowerText(exponent)) return Text(at, text);
    Text(at, "(x10");
    Text({at.x + 22, at.y - 4}, std::to_string(exponent));
    Text({at.x + 40, at.y}, ")");
  }

  void AddPowerLabels() {
    const int x_top = LowTop() ? y0_ + 2 : y0_ - 14;
    AddPowerLabel(x_.exponent, {frame_.Right() - 14, x_top});
    AddPowerLabel(y_.exponent, {frame_.X0() - 27, 2});
    if (state_.TwoValueAxes()) {
      AddPowerLabel(state_.axes.y[state_.last_axis].exponent, {frame_.X0() + 4, 2});
    }
  }

  const PlotFrame& frame_;
  const PlotState& state_;
  bool grid_;
  char separator_;
  const AxisTicks& x_;
  const AxisTicks& y_;
  int a0_;
  int y0_;
  PlotDecor decor_;
};

}  // namespace

std::string TickText(double value, char decimal_separator) {
  return FormatGeneral(value, 3, 2, decimal_separator);
}

PlotDecor LayOutDecor(const PlotFrame& frame, const PlotState& state, bool grid,
                      char decimal_separator) {
  return DecorBuilder(frame, state, grid, decimal_separator).Build();
}

}  // namespace kortiv
