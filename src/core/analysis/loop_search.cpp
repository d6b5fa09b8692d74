#include "analysis/loop_search.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "analysis/chain_graph.h"
#include "analysis/link_rules.h"
#include "model/scheme.h"
#include "support/messenger.h"

namespace kortiv {

namespace {

constexpr const char* kSearchError = "All_Loops_Finding: Ошибка при поиске контуров!";

// Producer row of input i of row r when it lies at or after `first` (the
// loops stay among the rows of the region), else -1.
int ProducerFrom(const ChainGraph& g, int r, int i, int first) {
  const int p = std::abs(g.Input(r, i)) - 1;
  return p >= first && p < g.R ? p : -1;
}

// Strongly connected parts of the rows [first, R), edges from a row to the
// producers of its inputs (Tarjan's algorithm without recursion, as the
// scheme may be long). Returns the part of every row, -1 before `first`.
std::vector<int> StrongParts(const ChainGraph& g, int first) {
  const int n = g.R;
  std::vector<int> part(n, -1), index(n, -1), low(n, 0);
  std::vector<char> on_stack(n, 0);
  std::vector<int> stack;
  std::vector<std::pair<int, int>> calls;  // row, next input to look at
  int counter = 0, parts = 0;
  for (int root = first; root < n; ++root) {
    if (index[root] >= 0) continue;
    calls.push_back({root, 0});
    index[root] = low[root] = counter++;
    stack.push_back(root);
    on_stack[root] = 1;
    while (!calls.empty()) {
      auto& [v, i] = calls.back();
      if (i < g.InputCount(v)) {
        const int p = ProducerFrom(g, v, i++, first);
        if (p < 0) continue;
        if (index[p] < 0) {
          index[p] = low[p] = counter++;
          stack.push_back(p);
          on_stack[p] = 1;
          calls.push_back({p, 0});
        } else if (on_stack[p]) {
          low[v] = std::min(low[v], index[p]);
        }
        continue;
      }
      const int done = v;
      calls.pop_back();
      if (!calls.empty()) low[calls.back().first] = std::min(low[calls.back().first], low[done]);
      if (low[done] != index[done]) continue;
      for (int w = -1; w != done;) {
        w = stack.back();
        stack.pop_back();
        on_stack[w] = 0;
        part[w] = parts;
      }
      ++parts;
    }
  }
  return part;
}

// A walk from one start row that has met no new member in this many steps
// gives up: the members left may lie on no cycle through that row (a loop
// hanging off a later summator), which the search cannot tell cheaply, and
// the later start rows meet them.
constexpr long kIdleStepLimit = 1 << 12;

// Walks the elementary cycles of one strongly connected part backwards along
// the inputs, from one start row at a time, in the order of the full
// enumeration, and notes for every member the first cycle that meets it.
class PartWalk {
 public:
  PartWalk(const ChainGraph& g, const std::vector<int>& part, int id, int first, int first_row,
           int members)
      : g_(g),
        part_(part),
        id_(id),
        bound_(first + 1),
        first_row_(first_row),
        unmet_(members),
        on_path_(g.R, 0),
        met_(g.R, 0),
        key_(g.R),
        mark_(g.R, 0) {}

  void WalkFrom(int x) {
    if (unmet_ == 0) return;
    idle_steps_ = 0;
    Push(x);
    Walk(x);
    Pop();
  }

  // The members: those of the first cycle through the part's first row,
  // then the others in the order the cycles met them.
  Loop Members(const std::vector<int>& rows) const {
    Loop members = first_cycle_;
    std::vector<int> rest;
    for (int r : rows) {
      if (std::find(members.begin(), members.end(), r + 1) == members.end()) rest.push_back(r);
    }
    std::sort(rest.begin(), rest.end(), [&](int a, int b) { return key_[a] < key_[b]; });
    for (int r : rest) members.push_back(r + 1);
    return members;
  }

 private:
  void Walk(int u) {
    if (++idle_steps_ > kIdleStepLimit) return;
    int previous = 0;
    for (int i = 0; i < g_.InputCount(u) && unmet_ > 0; ++i) {
      const int b = std::abs(g_.Input(u, i));
      if (b < bound_ || b == previous) continue;
      previous = b;
      const int p = b - 1;
      if (p >= g_.R || part_[p] != id_) continue;
      if (b == path_.front()) {
        Close();
      } else if (!on_path_[p] && Promising(p)) {
        Push(p);
        Walk(p);
        Pop();
      }
    }
  }

  // Whether a cycle through the path and row p can still close and meet a
  // member not met yet: a search over the rows off the path.
  bool Promising(int p) {
    ++stamp_;
    bool closes = false, fresh = unmet_on_path_ > 0;
    std::vector<int> todo{p};
    mark_[p] = stamp_;
    while (!todo.empty()) {
      const int v = todo.back();
      todo.pop_back();
      fresh = fresh || !met_[v];
      for (int i = 0; i < g_.InputCount(v); ++i) {
        const int q = ProducerFrom(g_, v, i, bound_ - 1);
        if (q < 0 || part_[q] != id_) continue;
        if (q + 1 == path_.front()) {
          closes = true;
        } else if (!on_path_[q] && mark_[q] != stamp_) {
          mark_[q] = stamp_;
          todo.push_back(q);
        }
      }
      if (closes && fresh) return true;
    }
    return false;
  }

  void Close() {
    ++cycles_;
    for (std::size_t k = 0; k < path_.size(); ++k) {
      const int r = path_[k] - 1;
      if (met_[r]) continue;
      met_[r] = 1;
      idle_steps_ = 0;
      key_[r] = {cycles_, static_cast<long>(k)};
      --unmet_;
      --unmet_on_path_;
      if (r == first_row_) first_cycle_ = path_;
    }
  }

  void Push(int r) {
    path_.push_back(r + 1);
    on_path_[r] = 1;
    if (!met_[r]) ++unmet_on_path_;
  }
  void Pop() {
    const int r = path_.back() - 1;
    path_.pop_back();
    on_path_[r] = 0;
    if (!met_[r]) --unmet_on_path_;
  }

  const ChainGraph& g_;
  const std::vector<int>& part_;
  const int id_;
  const int bound_;
  const int first_row_;
  int unmet_;
  int unmet_on_path_ = 0;
  long cycles_ = 0;
  long idle_steps_ = 0;
  Loop path_;
  Loop first_cycle_;
  std::vector<char> on_path_;
  std::vector<char> met_;
  std::vector<std::pair<long, long>> key_;  // first cycle met in, place in it
  std::vector<int> mark_;
  int stamp_ = 0;
};

bool IsJunctionRow(const ChainGraph& g, const Scheme& scheme, int r) {
  return !g.IsContourHeader(r) && IsJunctionCode(scheme.GetCode(g.Head(r)));
}

bool ReadsItself(const ChainGraph& g, int r) {
  for (int i = 0; i < g.InputCount(r); ++i) {
    if (std::abs(g.Input(r, i)) - 1 == r) return true;
  }
  return false;
}

}  // namespace

std::vector<Loop> FindContourMembers(const ChainGraph& graph, const Scheme& scheme,
                                     Messenger& messenger, int P0, int Q) {
  const std::vector<int> part = StrongParts(graph, P0);
  std::vector<std::vector<int>> rows_of;
  std::vector<std::vector<int>> starts_of;
  for (int r = P0; r < graph.R; ++r) {
    if (part[r] >= static_cast<int>(rows_of.size())) {
      rows_of.resize(part[r] + 1);
      starts_of.resize(part[r] + 1);
    }
    rows_of[part[r]].push_back(r);
  }
  for (int x = P0; x < Q; ++x) {
    if (!IsJunctionRow(graph, scheme, x)) continue;
    if (graph.InputCount(x) < 1) messenger.Show(kSearchError);
    starts_of[part[x]].push_back(x);
  }
  std::vector<Loop> contours;
  for (std::size_t id = 0; id < rows_of.size(); ++id) {
    const auto& rows = rows_of[id];
    if (starts_of[id].empty() || (rows.size() == 1 && !ReadsItself(graph, rows[0]))) continue;
    PartWalk walk(graph, part, static_cast<int>(id), P0, rows.front(),
                  static_cast<int>(rows.size()));
    for (int x : starts_of[id]) walk.WalkFrom(x);
    contours.push_back(walk.Members(rows));
  }
  std::sort(contours.begin(), contours.end(), [](const Loop& a, const Loop& b) {
    return *std::min_element(a.begin(), a.end()) < *std::min_element(b.begin(), b.end());
  });
  return contours;
}

}  // namespace kortiv
