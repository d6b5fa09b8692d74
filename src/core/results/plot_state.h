#pragma once

#include <string>

#include "results/column_extremes.h"
#include "results/plot_axes.h"

namespace kortiv {

// What the results make a picture of.
enum class PlotKind { kTime, kFrequency, kHodograph, kPortrait };

// The units the values of a frequency run were prepared in.
struct ValueUnits {
  bool hertz = false;     // frequencies in Hz, else rad/s
  bool degrees = false;   // phases in degrees, else radians
  bool decibels = false;  // amplitudes hold 20 lg A
};

// What the plot window keeps between its creation and its redraws. One
// object lives as long as the program: the automatic axes of one plot are
// where the next scaling starts from.
struct PlotState {
  PlotKind kind = PlotKind::kTime;
  std::string title;
  // Result columns that make one curve group: 1 for time plots, 2 for
  // frequency plots, hodographs and phase portraits.
  int curve_step = 1;
  // The vertical axes in use: (0,0) values or amplitudes, (1,1) phases only,
  // (0,1) amplitudes and phases.
  int first_axis = 0;
  int last_axis = 0;
  bool log_frequency_axis = false;  // the horizontal axis holds lg w or lg f
  ValueUnits units;
  // Limits set by hand in the settings dialog.
  bool manual_x = false;
  bool manual_y = false;
  ColumnExtremes extremes;  // of the last results, for the table
  PlotAxes axes;            // what is drawn
  PlotAxes auto_axes;       // the last automatic scaling

  bool PortraitMode() const { return kind == PlotKind::kPortrait; }
  bool TwoValueAxes() const { return first_axis != last_axis; }
};

}  // namespace kortiv
