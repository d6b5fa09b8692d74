#pragma once

#include <string_view>

#include "series/run_state.h"

namespace kortiv {

struct UserSettings;

// FreqPlotKind, the two-digit code of the frequency characteristic to show.
// Tens digit: 0 amplitude, 1 phase, 2 amplitude and phase, 3 hodograph (the
// whole code is then 30). Units digit: 0 linear frequency axis, 1 lg of the
// frequency, 2 lg of the frequency and the amplitude in decibels.
inline constexpr int kHodographPlotKind = 30;

inline constexpr std::string_view kAmplitudeTitle = "АЧХ в контрольных точках";
inline constexpr std::string_view kLogAmplitudeTitle = "ЛЧХ в контрольных точках";
inline constexpr std::string_view kPhaseTitle = "ФЧХ в контрольных точках";
inline constexpr std::string_view kAmplitudePhaseTitle = "АЧХ и ФЧХ в контрольных точках";
inline constexpr std::string_view kLogAmplitudePhaseTitle = "ЛЧХ и ФЧХ в контрольных точках";
inline constexpr std::string_view kHodographTitle = "Годограф";

// Stand-in for lg of a frequency or amplitude that is not positive.
inline constexpr float kLogOfNothing = -1e10f;

// How a frequency plot is laid out. Vertical axis 0 carries amplitudes (or
// Im on the hodograph), axis 1 phases; first_axis..last_axis are the axes in
// use: (0,0) amplitude only, (1,1) phase only, (0,1) both.
struct FrequencyPlotLayout {
  std::string_view title;
  int first_axis = 0;
  int last_axis = 0;
  bool log_frequency = false;  // the horizontal axis holds lg w (or lg f)
  bool decibels = false;       // amplitudes hold 20 lg A
  bool hodograph = false;      // the pairs stay (Re, Im)
};

// The title and axes of a FreqPlotKind.
FrequencyPlotLayout FrequencyLayout(int freq_plot_kind);

// Rewrites the (Re, Im) pairs of a frequency run's result store in place
// into the characteristics the run's FreqPlotKind asks for, in the user's
// units, and returns the layout. Over points 0..LastPoint and control
// points 1..V, in this order:
//  1. (Re, Im) -> (A, phi): A = |Re + j Im|, phi = atan2(Im, Re) in
//     (-pi, pi], 0 for a zero pair;
//  2. PhaseInDegrees: phi in degrees;
//  3. ExcludeTwoPiJumps: a phase step between neighbouring points larger
//     than 0.8 of a turn shifts every later point by a turn; between points
//     0 and 1 point 0 moves instead;
//  4. FreqInHertz: the frequency column in Hz;
//  5. units digit 1 or 2: the frequency column holds lg f;
//  6. units digit 2: amplitudes hold 20 lg A.
// Lg of a value that is not positive is kLogOfNothing. The hodograph keeps
// (Re, Im) and applies only step 4. The results table, the export and the
// printout read the rewritten values. The calculated pairs are kept in
// run.raw_frequency_results, and a second preparation of the same results
// starts again from them.
FrequencyPlotLayout PrepareFrequencyResults(RunState& run, const UserSettings& settings);

}  // namespace kortiv
