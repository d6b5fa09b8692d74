#include "results/plot_readout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "series/run_state.h"
#include "model/user_settings.h"
#include "results/frequency_results.h"
#include "results/plot_frame.h"
#include "results/plot_state.h"
#include "support/number_format.h"

namespace kortiv {
namespace {

constexpr int kDigits = 4;

class Reader {
 public:
  Reader(const RunState& run, const PlotState& state, const PlotFrame& frame,
         const UserSettings& settings, char separator)
      : run_(run), state_(state), frame_(frame), settings_(settings), separator_(separator) {}

  std::vector<ReadoutPart> At(double x, double y) {
    switch (state_.kind) {
      case PlotKind::kTime:
        return AgainstArgument(x, "t = " + Number(frame_.ValueAtX(x)));
      case PlotKind::kFrequency:
        return AgainstArgument(x, Frequency(frame_.ValueAtX(x)));
      case PlotKind::kHodograph:
        return Nearest(x, y, "Re", "Im");
      case PlotKind::kPortrait:
        return Nearest(x, y, "x", "y");
    }
    return {};
  }

 private:
  std::string Number(double value) const { return FormatGeneral(value, kDigits, 2, separator_); }

  float Value(int j, int column) const {
    return run_.result_store[static_cast<std::size_t>(run_.RowWidth()) * j + column];
  }

  // The frequency of a value of the frequency column: lg f on a
  // logarithmic axis, where the stand-in for lg 0 is 0.
  std::string Frequency(double column_value) const {
    double f = column_value;
    if (state_.log_frequency_axis) f = column_value <= kLogOfNothing ? 0 : std::pow(10.0, f);
    return (state_.units.hertz ? "f = " : "ω = ") + Number(f) +
           (state_.units.hertz ? " Гц" : " рад/с");
  }

  int ColourOfPoint(int point) const { return settings_.Styles[std::min(point, 12)][0]; }

  // The point of the run whose argument is nearest to the cursor's; the
  // argument never falls.
  int NearestByArgument(double x) const {
    const double argument = frame_.ValueAtX(x);
    int low = 0;
    int high = run_.last_point;
    while (low < high) {
      const int middle = low + (high - low) / 2;
      if (Value(middle, 0) < argument) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    if (low > 0 && argument - Value(low - 1, 0) < Value(low, 0) - argument) return low - 1;
    return low;
  }

  // Both characteristics, whichever of them the plot shows.
  std::string FrequencyValues(int j, int v) const {
    return (state_.units.decibels ? "L = " : "A = ") + Number(Value(j, 2 * v - 1)) +
           (state_.units.decibels ? " дБ" : "") + "; φ = " + Number(Value(j, 2 * v)) +
           (state_.units.degrees ? "°" : " рад");
  }

  std::vector<ReadoutPart> AgainstArgument(double x, const std::string& cursor) {
    std::vector<ReadoutPart> parts{{cursor, -1}};
    if (run_.last_point < 0 || run_.result_store.empty()) return parts;
    const int j = NearestByArgument(x);
    for (int v = 1; v <= run_.control_points; ++v) {
      const std::string values =
          state_.kind == PlotKind::kTime ? Number(Value(j, v)) : FrequencyValues(j, v);
      parts.push_back({std::to_string(v) + ": " + values, ColourOfPoint(v)});
    }
    return parts;
  }

  // Curves of value pairs: (Re, Im) of each point, or (odd, even) point
  // pairs of a portrait; the point of each nearest to the cursor.
  std::vector<ReadoutPart> Nearest(double x, double y, const std::string& across,
                                   const std::string& up) {
    std::vector<ReadoutPart> parts{{across + " = " + Number(frame_.ValueAtX(x)) + "; " + up +
                                        " = " + Number(frame_.ValueAtY(0, y)),
                                    -1}};
    const bool portrait = state_.PortraitMode();
    const int columns = run_.PerPoint() * run_.control_points;
    for (int g = 0; g + 1 < columns; g += 2) {
      const int j = NearestOnPicture(1 + g, 2 + g, x, y);
      if (j < 0) continue;
      const int point = portrait ? g + 1 : g / 2 + 1;
      const std::string name = portrait ? std::to_string(point) + "-" + std::to_string(point + 1)
                                        : std::to_string(point);
      const std::string argument = portrait ? "t = " + Number(Value(j, 0)) : Frequency(Value(j, 0));
      parts.push_back({name + ": " + across + " = " + Number(Value(j, 1 + g)) + "; " + up + " = " +
                           Number(Value(j, 2 + g)) + "; " + argument,
                       ColourOfPoint(point)});
    }
    return parts;
  }

  int NearestOnPicture(int cx, int cy, double x, double y) const {
    int nearest = -1;
    double best = std::numeric_limits<double>::infinity();
    for (int j = 0; j <= run_.last_point; ++j) {
      Pixel pixel;
      if (!frame_.CurvePixel(0, Value(j, cx), Value(j, cy), pixel)) continue;
      const double distance = std::hypot(pixel.x - x, pixel.y - y);
      if (distance < best) {
        best = distance;
        nearest = j;
      }
    }
    return nearest;
  }

  const RunState& run_;
  const PlotState& state_;
  const PlotFrame& frame_;
  const UserSettings& settings_;
  char separator_;
};

}  // namespace

std::vector<ReadoutPart> ReadOut(const RunState& run, const PlotState& state,
                                 const PlotFrame& frame, const UserSettings& settings, double x,
                                 double y, char decimal_separator) {
  return Reader(run, state, frame, settings, decimal_separator).At(x, y);
}

}  // namespace kortiv
