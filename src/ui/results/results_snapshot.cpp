#include "ui/results/results_snapshot.h"

namespace kortiv {

std::shared_ptr<const ResultsSnapshot> ResultsSnapshot::Of(const RunState& run) {
  auto snapshot = std::make_shared<ResultsSnapshot>();
  snapshot->kind = run.kind;
  snapshot->last_point = run.last_point;
  snapshot->control_points = run.control_points;
  const std::size_t size = static_cast<std::size_t>(run.RowWidth()) * (run.last_point + 1);
  snapshot->store.assign(run.result_store.begin(),
                         run.result_store.begin() +
                             static_cast<std::ptrdiff_t>(std::min(size, run.result_store.size())));
  snapshot->store.resize(size);
  snapshot->extremes = CollectExtremes(run);
  return snapshot;
}

}  // namespace kortiv
