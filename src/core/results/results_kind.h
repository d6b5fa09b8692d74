#pragma once

#include "series/run_state.h"

namespace kortiv {

// What the results of a run show, which decides their titles and headings.
enum class ResultsKind {
  kTimeRun,
  kPhasePortrait,
  kHodograph,        // FreqPlotKind 30
  kFrequencyLinear,  // units digit 0: linear frequency axis
  kFrequencyLg,      // units digit 1 (any but 0 and 2): lg w axis
  kFrequencyLgDb,    // units digit 2: lg w axis, amplitude in decibels
};

// The kind of the results of `run`; `phase_portrait` is the main window's
// phase-portrait mode.
ResultsKind ResultsKindOf(const RunState& run, bool phase_portrait);

bool IsFrequencyKind(ResultsKind kind);

// The units of frequency and phase that the headings name.
struct ResultsUnits {
  bool hertz = false;    // FreqInHertz
  bool degrees = false;  // PhaseInDegrees
};

}  // namespace kortiv
