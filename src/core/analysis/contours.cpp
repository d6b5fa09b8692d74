#include "analysis/contours.h"

#include <algorithm>
#include <cstdlib>

#include "analysis/chain_graph.h"
#include "analysis/link_rules.h"
#include "model/scheme.h"
#include "support/messenger.h"

namespace kortiv {

namespace {

constexpr const char* kSearchError = "All_Loops_Finding: Ошибка при поиске контуров!";

bool IsJunctionRow(const ChainGraph& g, const Scheme& scheme, int r) {
  return !g.IsContourHeader(r) && IsJunctionCode(scheme.GetCode(g.Head(r)));
}

bool SameMembers(Loop a, Loop b) {
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  return a == b;
}

bool Intersect(const Loop& a, const Loop& b) {
  return std::any_of(a.begin(), a.end(),
                     [&](int m) { return std::find(b.begin(), b.end(), m) != b.end(); });
}

// The same cycle is found from each of its summators; one copy is enough.
void RemoveDuplicates(std::vector<Loop>& loops) {
  for (std::size_t b = 1; b < loops.size();) {
    const bool duplicate = std::any_of(loops.begin(), loops.begin() + b,
                                       [&](const Loop& a) { return SameMembers(a, loops[b]); });
    if (duplicate) {
      loops.erase(loops.begin() + b);
    } else {
      ++b;
    }
  }
}

// Loops that share a chain, directly or through other loops, make one
// contour, so that no chain belongs to two contours. Contours come in the
// order of their first row; each lists the members of the loop it starts
// with, then the new members of the others (found before it or after) in
// loop order.
std::vector<Loop> MergeIntoContours(const std::vector<Loop>& loops, int P0, int Q) {
  const std::size_t n = loops.size();
  std::vector<int> group(n, -1);
  std::vector<Loop> contours;
  for (int r = P0 + 1; r <= Q; ++r) {
    std::size_t first = 0;
    while (first < n && (group[first] >= 0 || std::find(loops[first].begin(), loops[first].end(),
                                                        r) == loops[first].end())) {
      ++first;
    }
    if (first == n) continue;
    const int id = static_cast<int>(contours.size());
    group[first] = id;
    for (bool grew = true; grew;) {
      grew = false;
      for (std::size_t h = 0; h < n; ++h) {
        if (group[h] >= 0) continue;
        for (std::size_t k = 0; k < n; ++k) {
          if (group[k] == id && Intersect(loops[h], loops[k])) {
            group[h] = id;
            grew = true;
            break;
          }
        }
      }
    }
    Loop contour = loops[first];
    for (std::size_t k = 0; k < n; ++k) {
      if (group[k] != id || k == first) continue;
      for (int m : loops[k]) {
        if (std::find(contour.begin(), contour.end(), m) == contour.end()) contour.push_back(m);
      }
    }
    contours.push_back(contour);
  }
  return contours;
}

// ChainGraph::MoveRow that keeps the loop members on their rows.
void MoveRowWithLoops(ChainGraph& g, std::vector<Loop>& loops, int from, int to) {
  g.MoveRow(from, to);
  for (Loop& loop : loops) {
    for (int& m : loop) m = ChainGraph::MovedIndex(m - 1, from, to) + 1;
  }
}

}  // namespace

void All_Loops_Finding(const ChainGraph& graph, Messenger& messenger, int x, int bound, Loop& path,
                       std::vector<Loop>& loops) {
  if (graph.InputCount(x) < 1) {
    messenger.Show(kSearchError);
    return;
  }
  int previous = 0;
  for (int i = 0; i < graph.InputCount(x); ++i) {
    const int b = std::abs(graph.Input(x, i));
    if (b < bound || b == previous) continue;
    previous = b;
    if (b == path.front()) {
      loops.push_back(path);
    } else if (std::find(path.begin(), path.end(), b) == path.end()) {
      path.push_back(b);
      All_Loops_Finding(graph, messenger, b - 1, bound, path, loops);
      path.pop_back();
    }
  }
}

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
  std::vector<Loop> loops;
  for (int x = P0; x < Q; ++x) {
    if (!IsJunctionRow(graph, scheme, x)) continue;
    Loop path{x + 1};
    All_Loops_Finding(graph, messenger, x, P0 + 1, path, loops);
  }
  if (loops.empty()) return;
  RemoveDuplicates(loops);
  if (loops.size() > 1) loops = MergeIntoContours(loops, P0, Q);
  graph.C = static_cast<int>(loops.size());
  InsertContourHeaders(graph, loops);
}

}  // namespace kortiv
