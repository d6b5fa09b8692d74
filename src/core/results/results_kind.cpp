#include "results/results_kind.h"

namespace kortiv {

ResultsKind ResultsKindOf(const RunState& run, bool phase_portrait) {
  if (run.kind == RunKind::kTime) {
    return phase_portrait ? ResultsKind::kPhasePortrait : ResultsKind::kTimeRun;
  }
  if (run.freq_plot_kind == 30) return ResultsKind::kHodograph;
  switch (run.freq_plot_kind % 10) {
    case 1:
      return ResultsKind::kFrequencyLg;
    case 2:
      return ResultsKind::kFrequencyLgDb;
    default:
      return ResultsKind::kFrequencyLinear;
  }
}

bool IsFrequencyKind(ResultsKind kind) {
  return kind != ResultsKind::kTimeRun && kind != ResultsKind::kPhasePortrait;
}

}  // namespace kortiv
