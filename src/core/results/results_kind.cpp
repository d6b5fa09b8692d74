#include "results/results_kind.h"

namespace kortiv {

ResultsKind ResultsKindOf(const RunState& run, bool phase_portrait) {
  if (run.kind == RunKind::kTime) {
    return phase_portrait ? ResultsKind::kPhasePortrait : ResultsKind::kTimeRun;
  }
  if (run.freq_plot_kind == 30) return ResultsKind::kHodograph;
  // As the plot reads the scale digit: every digit but 0 puts lg w on the
  // frequency axis, 2 the amplitude in decibels too.
  switch (run.freq_plot_kind % 10) {
    case 0:
      return ResultsKind::kFrequencyLinear;
    case 2:
      return ResultsKind::kFrequencyLgDb;
    default:
      return ResultsKind::kFrequencyLg;
  }
}

bool IsFrequencyKind(ResultsKind kind) {
  return kind != ResultsKind::kTimeRun && kind != ResultsKind::kPhasePortrait;
}

}  // namespace kortiv
