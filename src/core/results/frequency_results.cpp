#include "results/frequency_results.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "model/user_settings.h"

namespace kortiv {
namespace {

constexpr double kLargestFloat = std::numeric_limits<float>::max();
constexpr double kDegreesPerRadian = 57.29577951308;
constexpr double kHertzPerRadianPerSecond = 0.15915494309189;

// One turn of phase and the step between neighbouring points that counts
// as a jump of a turn.
struct PhaseTurn {
  double shift;
  double threshold;
};

PhaseTurn TurnIn(bool degrees) {
  if (degrees) return {360.0, 288.0};
  return {2 * std::numbers::pi, 1.6 * std::numbers::pi};
}

// Taken in double and rounded to a float once.
float LgOrNothing(float value) {
  return value > 0 ? static_cast<float>(std::log10(static_cast<double>(value))) : kLogOfNothing;
}

void ToAmplitudeAndPhase(RunState& run) {
  for (int j = 0; j <= run.last_point; ++j) {
    for (int v = 1; v <= run.control_points; ++v) {
      float& re = run.ResultAt(j, 2 * v - 1);
      float& im = run.ResultAt(j, 2 * v);
      const double x = re;
      // A negative zero Im would give -pi; the phase lies in (-pi, pi].
      const double y = im == 0 ? 0.0 : im;
      // Re and Im within the float range may still give an amplitude beyond
      // it (by up to the square root of 2): it is held at the largest float.
      re = static_cast<float>(std::min(std::sqrt(x * x + y * y), kLargestFloat));
      im = static_cast<float>((x == 0 && y == 0) ? 0.0 : std::atan2(y, x));
    }
  }
}

// Each step rewrites the stored values, so degrees come from the phase as
// the store holds it in radians.
void ToDegrees(RunState& run) {
  for (int j = 0; j <= run.last_point; ++j) {
    for (int v = 1; v <= run.control_points; ++v) {
      float& phase = run.ResultAt(j, 2 * v);
      phase = static_cast<float>(phase * kDegreesPerRadian);
    }
  }
}

void RemoveTurnJumps(RunState& run, int v, PhaseTurn turn) {
  const int last = run.last_point;
  if (last < 1) return;
  auto phase = [&run, v](int j) -> float& { return run.ResultAt(j, 2 * v); };
  const double first_step = phase(1) - phase(0);
  if (first_step > turn.threshold) {
    phase(0) = static_cast<float>(phase(0) + turn.shift);
  } else if (-first_step > turn.threshold) {
    phase(0) = static_cast<float>(phase(0) - turn.shift);
  }
  double offset = 0;
  for (int j = 1; j < last; ++j) {
    const double next = phase(j + 1) + offset;
    if (next - phase(j) > turn.threshold) {
      offset -= turn.shift;
    } else if (phase(j) - next > turn.threshold) {
      offset += turn.shift;
    }
    phase(j + 1) = static_cast<float>(phase(j + 1) + offset);
  }
}

template <typename Change>
void ForEachFrequency(RunState& run, Change change) {
  for (int j = 0; j <= run.last_point; ++j) {
    float& f = run.ResultAt(j, 0);
    f = change(f);
  }
}

// Every preparation starts from the calculated pairs: the first keeps them
// aside, a later one (the plot made again) takes them back, so converted
// values are never converted twice and the pairs stay at hand.
void StartFromCalculatedPairs(RunState& run) {
  if (run.raw_frequency_results.empty()) {
    run.raw_frequency_results = run.result_store;
  } else {
    run.result_store = run.raw_frequency_results;
  }
}

}  // namespace

FrequencyPlotLayout FrequencyLayout(int freq_plot_kind) {
  FrequencyPlotLayout layout;
  if (freq_plot_kind == kHodographPlotKind) {
    layout.title = kHodographTitle;
    layout.hodograph = true;
    return layout;
  }
  const int units = freq_plot_kind % 10;
  layout.log_frequency = units != 0;
  layout.decibels = units == 2;
  if (freq_plot_kind < 10) {
    layout.title = freq_plot_kind == 2 ? kLogAmplitudeTitle : kAmplitudeTitle;
  } else if (freq_plot_kind < 20) {
    layout.title = kPhaseTitle;
    layout.first_axis = layout.last_axis = 1;
  } else {
    layout.title = freq_plot_kind == 22 ? kLogAmplitudePhaseTitle : kAmplitudePhaseTitle;
    layout.last_axis = 1;
  }
  return layout;
}

FrequencyPlotLayout PrepareFrequencyResults(RunState& run, const UserSettings& settings) {
  const FrequencyPlotLayout layout = FrequencyLayout(run.freq_plot_kind);
  auto to_hertz = [](float f) { return static_cast<float>(f * kHertzPerRadianPerSecond); };
  StartFromCalculatedPairs(run);
  if (layout.hodograph) {
    if (settings.FreqInHertz) ForEachFrequency(run, to_hertz);
    return layout;
  }
  ToAmplitudeAndPhase(run);
  if (settings.PhaseInDegrees) ToDegrees(run);
  if (settings.ExcludeTwoPiJumps) {
    for (int v = 1; v <= run.control_points; ++v) {
      RemoveTurnJumps(run, v, TurnIn(settings.PhaseInDegrees));
    }
  }
  if (settings.FreqInHertz) ForEachFrequency(run, to_hertz);
  if (layout.log_frequency) ForEachFrequency(run, LgOrNothing);
  if (layout.decibels) {
    for (int j = 0; j <= run.last_point; ++j) {
      for (int v = 1; v <= run.control_points; ++v) {
        float& a = run.ResultAt(j, 2 * v - 1);
        a = a > 0 ? static_cast<float>(20 * std::log10(static_cast<double>(a))) : kLogOfNothing;
      }
    }
  }
  return layout;
}

}  // namespace kortiv
