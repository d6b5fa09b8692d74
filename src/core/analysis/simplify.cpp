#include "analysis/simplify.h"

#include <algorithm>
#include <cstdlib>

#include "analysis/chain_graph.h"
#include "analysis/link_rules.h"
#include "model/scheme.h"
#include "support/messenger.h"

namespace kortiv {

namespace {

constexpr const char* kInputElementError = "The_simpler_the_better: Ошибка входного элемента!";

using Row = ChainGraph::Row;

// Wires, corners and crossings only carry the signal on.
void RemoveConnections(ChainGraph& g, const Scheme& scheme) {
  for (int r = 0; r < g.R; ++r) {
    Row& row = g.rows[r];
    const int first = g.Kind(r) + 2;
    const auto begin = row.begin() + first;
    const auto end = row.begin() + g.LastColumn(r) + 1;
    const auto kept =
        std::remove_if(begin, end, [&](std::int32_t n) { return scheme.GetCode(n) < 5; });
    const int removed = static_cast<int>(end - kept);
    std::fill(kept, end, 0);
    row[ChainGraph::kLengthColumn] -= removed;
  }
}

int ForkInput(const ChainGraph& g, int r) {
  return std::abs(g.Input(r, 0));
}

// A fork output that runs straight into the next fork or summator, or into
// an empty cell: its consumer reads the fork's input chain directly.
bool RemoveUnitForkChain(ChainGraph& g) {
  for (int j = g.S; j < g.R - g.M; ++j) {
    const int p = ForkInput(g, j);
    if (g.Length(j) != 1 || p == 0 || p == j + 1) continue;
    g.RedirectReferences(j, p - 1);
    g.DeleteRow(j);
    return true;
  }
  return false;
}

bool HasOtherOutput(const ChainGraph& g, int n) {
  for (int r = g.S; r < g.R - g.M; ++r) {
    if (r != n && g.Head(r) == g.Head(n)) return true;
  }
  return false;
}

bool OtherRowReads(const ChainGraph& g, int n, int producer) {
  for (int r = g.S; r < g.R; ++r) {
    if (r == n) continue;
    for (int i = 0; i < g.InputCount(r); ++i) {
      if (std::abs(g.Input(r, i)) == producer) return true;
    }
  }
  return false;
}

// How many inputs of rows [S, R) read `producer` (row + 1).
int ReadingsOf(const ChainGraph& g, int producer) {
  int readings = 0;
  for (int r = g.S; r < g.R; ++r) {
    for (int i = 0; i < g.InputCount(r); ++i) readings += std::abs(g.Input(r, i)) == producer;
  }
  return readings;
}

// A fork left with one output whose input chain feeds nothing else: the
// output's elements go on at the end of the input chain.
bool FoldSingleOutputFork(ChainGraph& g) {
  for (int n = g.S; n < g.R - g.M; ++n) {
    const int p = ForkInput(g, n);
    if (p == 0 || p == n + 1 || HasOtherOutput(g, n) || OtherRowReads(g, n, p)) continue;
    const Row folded = g.rows[n];
    g.RedirectReferences(n, p - 1);
    for (int c = ChainGraph::kForkKind + 2; c <= ChainGraph::kForkKind + folded[2]; ++c) {
      g.AppendElement(p - 1, folded[c]);
    }
    g.DeleteRow(n);
    return true;
  }
  return false;
}

// Replaces w's input at column c (which reads v) by v's inputs, each with
// the sign of that input.
void SpliceInputs(ChainGraph& g, int w, int c, int v) {
  const int sign = g.rows[w][c] < 0 ? -1 : 1;
  const int added = g.InputCount(v) - 1;
  const int last = g.LastColumn(w);
  g.EnsureColumns(last + added + 1);
  Row& row = g.rows[w];
  std::copy_backward(row.begin() + c + 1, row.begin() + last + 1, row.begin() + last + 1 + added);
  for (int i = 0; i <= added; ++i) row[c + i] = sign * g.Input(v, i);
  row[ChainGraph::kKindColumn] += added;
}

enum class MergeResult { kMerged, kNothing, kFault };

MergeResult MergeOneSummator(ChainGraph& g, const Scheme& scheme, Messenger& messenger) {
  for (int v = g.R - g.M; v < g.R; ++v) {
    const int head = g.Head(v);
    if (!IsSummatorCode(scheme.GetCode(head)) || scheme.GetControlPoint(head) != 0 ||
        g.Length(v) != 1) {
      continue;
    }
    for (int w = g.R - g.M; w < g.R; ++w) {
      if (w == v) continue;
      const int code = scheme.GetCode(g.Head(w));
      if (code < 9) {
        messenger.Show(kInputElementError);
        return MergeResult::kFault;
      }
      if (code >= 18) continue;
      for (int i = 0; i < g.InputCount(w); ++i) {
        if (std::abs(g.Input(w, i)) != v + 1) continue;
        // Forks whose outputs into w were taken out may leave v read by the
        // forks' other outputs, or by w twice: v's own chain is needed then.
        if (ReadingsOf(g, v + 1) > 1) break;
        SpliceInputs(g, w, ChainGraph::kFirstInputColumn + i, v);
        g.DeleteRow(v);
        --g.M;
        return MergeResult::kMerged;
      }
    }
  }
  return MergeResult::kNothing;
}

}  // namespace

void The_simpler_the_better(ChainGraph& graph, const Scheme& scheme, Messenger& messenger) {
  RemoveConnections(graph, scheme);
  if (graph.F > 0) {
    while (RemoveUnitForkChain(graph)) {
    }
    while (FoldSingleOutputFork(graph)) {
    }
  }
  if (graph.M > 0) {
    while (MergeOneSummator(graph, scheme, messenger) == MergeResult::kMerged) {
    }
  }
}

}  // namespace kortiv
