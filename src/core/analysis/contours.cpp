#include "analysis/contours.h"

#include <algorithm>

#include "analysis/chain_graph.h"
#include "analysis/loop_search.h"

namespace kortiv {

namespace {

// ChainGraph::MoveRow that keeps the loop members on their rows.
void MoveRowWithLoops(ChainGraph& g, std::vector<Loop>& loops, int from, int to) {
  g.MoveRow(from, to);
  for (Loop& loop : loops) {
    for (int& m : loop) m = ChainGraph::MovedIndex(m - 1, from, to) + 1;
  }
}

}  // namespace

void InsertContourHeaders(ChainGraph& graph, std::vector<Loop>& contours) {
  for (std::size_t i = 0; i < contours.size(); ++i) {
    const int header = *std::min_element(contours[i].begin(), contours[i].end()) - 1;
    graph.EnsureRows(graph.R + 1);
    ++graph.R;
    MoveRowWithLoops(graph, contours, graph.R - 1, header);
    auto& row = graph.rows[header];
    std::fill(row.begin(), row.end(), 0);
    row[ChainGraph::kHeadColumn] = -static_cast<int>(i + 1);
    row[ChainGraph::kLengthColumn] = static_cast<int>(contours[i].size());
    int next = header + 1;
    for (std::size_t k = 0; k < contours[i].size(); ++k, ++next) {
      const int member = contours[i][k] - 1;
      if (member != next) MoveRowWithLoops(graph, contours, member, next);
    }
  }
}

void FindContours(ChainGraph& graph, const Scheme& scheme, Messenger& messenger, int P0, int Q) {
  graph.C = 0;
  std::vector<Loop> contours = FindContourMembers(graph, scheme, messenger, P0, Q);
  graph.C = static_cast<int>(contours.size());
  InsertContourHeaders(graph, contours);
}

}  // namespace kortiv
