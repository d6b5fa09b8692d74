#include "elements/point_count_check.h"

#include "support/messenger.h"

namespace kortiv {

bool PointCountAccepted(EvalContext& context, int n) {
  if (n < 0) {
    context.messenger.Show(kNegativePointCountMessage);
    return false;
  }
  if (n > context.run.last_point && !context.run.diverged) {
    context.messenger.Show(kPointCountAboveMaximumMessage);
    return false;
  }
  return true;
}

void EnsurePoints(const RunState& run, int n, Series& series) {
  const std::size_t needed = static_cast<std::size_t>(run.PerPoint()) * (n + 1);
  if (series.size() < needed) series.resize(needed, 0.0);
}

}  // namespace kortiv
