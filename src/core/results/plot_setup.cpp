#include "results/plot_setup.h"

#include "model/user_settings.h"
#include "results/axis_scale.h"
#include "results/frequency_results.h"
#include "results/plot_state.h"
#include "series/run_state.h"

namespace kortiv {
namespace {

void Scale(const ValueRange& range, AxisScaleKind kind, AxisTicks& axis, Messenger& messenger) {
  ScaleAxis(range.max, range.min, kind, axis, messenger);
}

// The range of the argument column: its values at the first and last point.
ValueRange ArgumentRange(const RunState& run) {
  return {run.Moment(0), run.Moment(run.last_point)};
}

// Starts a plot: its kind, title and curve step, one value axis, and the
// extremes of the new results.
void Begin(const RunState& run, PlotKind kind, std::string_view title, int curve_step,
           PlotState& state) {
  state.kind = kind;
  state.title = title;
  state.curve_step = curve_step;
  state.first_axis = 0;
  state.last_axis = 0;
  state.log_frequency_axis = false;
  state.units = {};
  state.extremes = CollectExtremes(run);
}

// The drawn axes take fresh tick arrays holding the automatic scaling.
void Finish(PlotState& state) {
  state.axes = FreshAxesFrom(state.auto_axes);
}

}  // namespace

void SetUpTimePlot(const RunState& run, bool portrait, PlotState& state, Messenger& messenger) {
  if (portrait) {
    // A phase portrait orders its limits afresh.
    state.manual_x = false;
    state.manual_y = false;
    Begin(run, PlotKind::kPortrait, kPortraitTitle, 2, state);
    Scale(state.extremes.Over(1, 2), AxisScaleKind::kLinear, state.auto_axes.x, messenger);
    Scale(state.extremes.Over(2, 2), AxisScaleKind::kLinear, state.auto_axes.y[0], messenger);
  } else {
    Begin(run, PlotKind::kTime, kTimePlotTitle, 1, state);
    Scale(ArgumentRange(run), AxisScaleKind::kLinear, state.auto_axes.x, messenger);
    Scale(state.extremes.Over(1, 1), AxisScaleKind::kLinear, state.auto_axes.y[0], messenger);
  }
  Finish(state);
}

void SetUpFrequencyPlot(const RunState& run, const FrequencyPlotLayout& layout, PlotState& state,
                        Messenger& messenger) {
  if (layout.hodograph) {
    Begin(run, PlotKind::kHodograph, layout.title, 2, state);
    Scale(state.extremes.Over(1, 2), AxisScaleKind::kLinear, state.auto_axes.x, messenger);
    Scale(state.extremes.Over(2, 2), AxisScaleKind::kLinear, state.auto_axes.y[0], messenger);
  } else {
    Begin(run, PlotKind::kFrequency, layout.title, 2, state);
    state.first_axis = layout.first_axis;
    state.last_axis = layout.last_axis;
    state.log_frequency_axis = layout.log_frequency;
    state.units.decibels = layout.decibels;
    const AxisScaleKind x_kind =
        layout.log_frequency ? AxisScaleKind::kLogarithmic : AxisScaleKind::kLinear;
    Scale(ArgumentRange(run), x_kind, state.auto_axes.x, messenger);
    for (int a = state.first_axis; a <= state.last_axis; ++a) {
      Scale(state.extremes.Over(1 + a, 2), AxisScaleKind::kLinear, state.auto_axes.y[a], messenger);
    }
  }
  Finish(state);
}

void PreparePlot(RunState& run, const UserSettings& settings, bool portrait, PlotState& state,
                 Messenger& messenger) {
  if (run.kind == RunKind::kFrequency) {
    SetUpFrequencyPlot(run, PrepareFrequencyResults(run, settings), state, messenger);
    state.units.hertz = settings.FreqInHertz;
    state.units.degrees = settings.PhaseInDegrees;
  } else {
    SetUpTimePlot(run, portrait, state, messenger);
  }
}

}  // namespace kortiv
