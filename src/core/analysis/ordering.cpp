#include "analysis/ordering.h"

#include <cstdlib>
#include <set>
#include <vector>

#include "analysis/chain_graph.h"
#include "analysis/contours.h"
#include "analysis/sorting.h"
#include "support/messenger.h"

namespace kortiv {

namespace {

constexpr const char* kTooManyPasses =
    "Слишком много обращений к Big_Sorting! Не все контура найдены!";

bool ProducersBefore(const ChainGraph& g, int k, int P0) {
  for (int i = 0; i < g.InputCount(k); ++i) {
    if (std::abs(g.Input(k, i)) >= P0) return false;
  }
  return true;
}

}  // namespace

int PlaceReadyChains(ChainGraph& graph) {
  int P0 = graph.S;
  for (bool placed = true; placed;) {
    placed = false;
    for (int k = P0; k < graph.R; ++k) {
      if (!ProducersBefore(graph, k, P0)) continue;
      graph.SwapRows(k, P0++);
      placed = true;
    }
  }
  return P0;
}

int MoveOutputChainsDown(ChainGraph& graph, int P0) {
  int Q = graph.R;
  for (bool moved = true; moved;) {
    moved = false;
    for (int k = P0; k < Q; ++k) {
      if (graph.EndNode(k) != 0) continue;
      graph.SwapRows(k, --Q);
      moved = true;
    }
  }
  return Q;
}

void OrderFeedbackRegion(ChainGraph& graph, const Scheme& scheme, Messenger& messenger, int P0,
                         int Q) {
  OrderLinks(graph, P0, Q - 1);
  if (graph.M > 0) FindContours(graph, scheme, messenger, P0, Q);
  const int last = Q + graph.C - 1;
  const long limit = SaturatingFactorial(Q - P0);
  // Past the limit every pass is reported; a table that comes back to a
  // state it had before would be sorted for ever, so the passes end there.
  std::set<std::vector<ChainGraph::Row>> seen;
  for (long passes = 1;; ++passes) {
    const bool again = Big_Sorting(graph, scheme, messenger, P0, last);
    if (passes <= limit) {
      if (!again) return;
      continue;
    }
    messenger.Show(kTooManyPasses);
    if (!again) return;
    std::vector<ChainGraph::Row> state(graph.rows.begin() + P0, graph.rows.begin() + last + 1);
    if (!seen.insert(std::move(state)).second || passes > 2 * limit) return;
  }
}

}  // namespace kortiv
