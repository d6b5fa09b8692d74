#include "analysis/sorting.h"

#include <algorithm>
#include <cstdlib>

#include "analysis/chain_graph.h"
#include "analysis/link_rules.h"
#include "model/scheme.h"
#include "support/messenger.h"

namespace kortiv {

namespace {

constexpr const char* kChainReadsItself =
    "Проблема алгоритма в Big_Sorting! Не все контура найдены!";
constexpr const char* kWrongContourArguments =
    "Неверные входные параметры для LoopChain_Sorting()!";
constexpr const char* kContourNotOrdered = "LoopChain_Sorting: Не удалось упорядочить контур!";
constexpr const char* kWrongRange = "Sorting_in_group: Неверный входной диапазон индексов!";
constexpr const char* kUnexpectedContour =
    "Sorting_in_group: Попался контур, которого не должно быть!";

// Row of the producer of row r's last input (after OrderLinks its latest
// producer), or -1 when the row has no inputs.
int LastProducer(const ChainGraph& g, int r) {
  const int count = g.IsContourHeader(r) ? 0 : g.InputCount(r);
  return count > 0 ? std::abs(g.Input(r, count - 1)) - 1 : -1;
}

// Whether row r reads a row in [from, to).
bool ReadsRowIn(const ChainGraph& g, int r, int from, int to) {
  for (int k = 0; k < g.InputCount(r); ++k) {
    const int producer = std::abs(g.Input(r, k)) - 1;
    if (producer >= from && producer < to) return true;
  }
  return false;
}

// The nearest contour header at or before `from`, not before P0; -1 if none.
int HeaderAtOrBefore(const ChainGraph& g, int from, int P0) {
  for (int r = from; r >= P0; --r) {
    if (g.IsContourHeader(r)) return r;
  }
  return -1;
}

// Moves rows [first, last] as one block so that it ends at `to_last`.
void MoveBlockDown(ChainGraph& g, int first, int last, int to_last) {
  for (int k = 0; k <= last - first; ++k) g.MoveRow(first, to_last);
}

enum class PassStep { kGoOn, kMoved };

// Block [i, e] (a chain row, or a contour header with its rows) reads row
// p > e. When p lies in a later contour, the block goes behind that contour.
// Otherwise p comes up in front of the block, unless p reads a row in
// between: brought up, it would come before a row it reads and the passes
// would undo each other for ever, so the block goes down behind p instead.
// (Moving a contour behind the nearest contour before a p that stands
// outside it would only make the two contours change places, pass after
// pass.)
void MoveForLaterProducer(ChainGraph& g, int i, int e, int p, int P0) {
  const int header = HeaderAtOrBefore(g, p - 1, P0);
  if (header > e && p <= header + g.Length(header)) {
    MoveBlockDown(g, i, e, header + g.Length(header));
  } else if (ReadsRowIn(g, p, i, p)) {
    MoveBlockDown(g, i, e, p);
  } else {
    g.MoveRow(p, i);
  }
}

PassStep SortContour(ChainGraph& g, const Scheme& scheme, Messenger& messenger, int i, int P0,
                     int& next) {
  const int e = i + g.Length(i);
  int p = -1;
  for (int r = i + 1; r <= e; ++r) {
    const int producer = LastProducer(g, r);
    if (producer > e) p = std::max(p, producer);
  }
  if (p < 0) {
    LoopChain_Sorting(g, scheme, messenger, i + 1, e);
    next = e + 1;
    return PassStep::kGoOn;
  }
  MoveForLaterProducer(g, i, e, p, P0);
  return PassStep::kMoved;
}

PassStep SortChain(ChainGraph& g, Messenger& messenger, int i, int P0) {
  const int p = LastProducer(g, i);
  if (p == i) {
    // A chain that reads itself outside any contour cannot be ordered: the
    // pass goes on, but the graph stays unbuilt.
    messenger.Show(kChainReadsItself);
    g.built = false;
    return PassStep::kGoOn;
  }
  if (p < i) return PassStep::kGoOn;
  MoveForLaterProducer(g, i, i, p, P0);
  return PassStep::kMoved;
}

}  // namespace

long SaturatingFactorial(int n) {
  long result = 1;
  for (int k = 2; k <= n && result < kSortingLimitCap; ++k) result *= k;
  return std::min(result, kSortingLimitCap);
}

void OrderLinks(ChainGraph& graph, int first, int last) {
  for (int r = first; r <= last; ++r) {
    if (graph.IsContourHeader(r) || graph.InputCount(r) < 2) continue;
    auto begin = graph.rows[r].begin() + ChainGraph::kFirstInputColumn;
    std::stable_sort(begin, begin + graph.InputCount(r),
                     [](int a, int b) { return std::abs(a) < std::abs(b); });
  }
}

bool Big_Sorting(ChainGraph& graph, const Scheme& scheme, Messenger& messenger, int P0, int last) {
  graph.built = true;
  OrderLinks(graph, P0, last);
  for (int i = P0; i <= last;) {
    int next = i + 1;
    const PassStep step = graph.IsContourHeader(i)
                              ? SortContour(graph, scheme, messenger, i, P0, next)
                              : SortChain(graph, messenger, i, P0);
    if (step == PassStep::kMoved) {
      graph.built = false;
      return true;
    }
    i = next;
  }
  return false;
}

void LoopChain_Sorting(ChainGraph& graph, const Scheme& scheme, Messenger& messenger, int f,
                       int l) {
  if (f < 1 || !graph.IsContourHeader(f - 1) || graph.Length(f - 1) + f != l + 1) {
    messenger.Show(kWrongContourArguments);
    return;
  }
  if (l - f < 1) return;
  // Entry chains (those with an input from before the contour) first. A
  // chain with several such inputs is moved once.
  int k = f;
  for (int j = f; j <= l; ++j) {
    if (!IsJunctionCode(scheme.GetCode(graph.Head(j)))) continue;
    bool entry = false;
    for (int i = 0; i < graph.InputCount(j); ++i) {
      if (std::abs(graph.Input(j, i)) - 1 < f) entry = true;
    }
    if (!entry) continue;
    if (k < j) graph.SwapRows(j, k);
    ++k;
  }
  if (k == f) messenger.Show(kContourNotOrdered);
  if (k - 1 > f) Sorting_in_group(graph, messenger, f, k - 1);
  if (k < l) Sorting_in_group(graph, messenger, k, l);
}

void Sorting_in_group(ChainGraph& graph, Messenger& messenger, int b, int e) {
  if (e - b < 1) messenger.Show(kWrongRange);
  const long limit = SaturatingFactorial(e - b + 1);
  for (long moves = 0; moves <= limit;) {
    bool moved = false;
    for (int k = b; k <= e && !moved; ++k) {
      if (graph.IsContourHeader(k)) {
        messenger.Show(kUnexpectedContour);
        continue;
      }
      for (int i = 0; i < graph.InputCount(k); ++i) {
        const int producer = std::abs(graph.Input(k, i)) - 1;
        if (producer > k && producer <= e) {
          graph.MoveRow(k, producer);
          ++moves;
          moved = true;
          break;
        }
      }
    }
    if (!moved) return;
  }
}

}  // namespace kortiv
