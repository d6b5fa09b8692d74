#pragma once

// Generators of schemes and of walked chain tables for the analysis tests.
#include <algorithm>
#include <cstdlib>
#include <random>
#include <set>
#include <vector>

#include "analysis/chain_graph.h"
#include "model/scheme.h"
#include "scheme_builder.h"

namespace kortiv::test {

inline constexpr int kGrid = 7;

// Grows schemes along chains: from an open end (cell and direction of
// travel) it puts an element into the next empty cell, mostly turned so
// that the walk accepts it, sometimes not; open ends that run into
// occupied cells close loops and join branches.
class SchemeGenerator {
 public:
  explicit SchemeGenerator(unsigned seed) : random_(seed) {}

  void Generate(Scheme& scheme) {
    cells_.clear();
    ends_.clear();
    if (Chance(40)) StampLoop(scheme);
    const int sources = Pick(scheme.ElementCount() > 0 ? 0 : 1, 2);
    for (int k = 0; k < sources; ++k) AddSource(scheme);
    const int target = Pick(3, 24);
    while (scheme.ElementCount() < target && !ends_.empty()) Grow(scheme);
    if (Chance(10)) Place(scheme, {Pick(0, kGrid - 1), Pick(0, kGrid - 1)}, 200, Pick(0, 3));
    if (Chance(5)) Place(scheme, {Pick(0, kGrid - 1), Pick(0, kGrid - 1)}, 5, Pick(0, 3));
    for (int n = 1; n <= scheme.ElementCount(); ++n) {
      if (scheme.GetParamCount(n) > 0 && !Chance(2)) scheme.AllocateParamBlock(n);
    }
    int point = 0;
    for (int n = 1; n <= scheme.ElementCount() && point < Scheme::kControlPointMax; ++n) {
      if (Chance(20)) scheme.SetControlPoint(n, ++point);
    }
    scheme.RecountControlPoints();
  }

  bool Chance(int percent) { return Pick(0, 99) < percent; }
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

 private:
  struct End {
    Cell cell;
    int direction;
  };

  static Cell Step(Cell cell, int d) {
    static constexpr int kRow[4] = {0, 1, 0, -1};
    static constexpr int kColumn[4] = {1, 0, -1, 0};
    return {cell.row + kRow[d], cell.column + kColumn[d]};
  }
  bool Free(Cell c) const {
    return c.row >= 0 && c.row < kGrid && c.column >= 0 && c.column < kGrid &&
           !cells_.count({c.row, c.column});
  }
  void Place(Scheme& scheme, Cell c, int code, int orientation) {
    if (!Free(c)) return;
    scheme.AppendElement(code, orientation, c);
    cells_.insert({c.row, c.column});
  }

  // A feedback loop turned by a random number of quarter turns: a source
  // into a summator (or multiplier), an element, a fork whose second
  // output runs back to the summator's side input; its first output and, for
  // the three-input summator, a second way back are left to grow.
  void StampLoop(Scheme& scheme) {
    struct Piece {
      int row, column, code, orientation;
    };
    const int junction = std::vector<int>{9, 13, 18, 12, 16}[Pick(0, 4)];
    const int back = Chance(50) ? 1 : 202;
    std::vector<Piece> pieces = {{1, 0, 101, 0}, {1, 1, junction, 0}, {1, 2, 200, 0}, {1, 3, 5, 0},
                                 {2, 3, 2, 2},   {2, 2, back, 2},     {2, 1, 2, 3}};
    const int quarter = Pick(0, 3);
    const Cell origin{Pick(1, kGrid - 2), Pick(1, kGrid - 2)};
    auto turn = [&](Cell c) {
      for (int q = 0; q < quarter; ++q) c = {c.column, -c.row};
      return Cell{origin.row + c.row, origin.column + c.column};
    };
    for (const Piece& p : pieces) {
      if (!Free(turn({p.row - 1, p.column - 1}))) return;
    }
    for (const Piece& p : pieces) {
      Place(scheme, turn({p.row - 1, p.column - 1}), p.code, (p.orientation + quarter) % 4);
    }
    ends_.push_back({turn({0, 2}), quarter % 4});
    if (junction == 12 || junction == 16) ends_.push_back({turn({0, 2}), (quarter + 3) % 4});
  }

  void AddSource(Scheme& scheme) {
    const Cell c{Pick(0, kGrid - 1), Pick(0, kGrid - 1)};
    if (!Free(c)) return;
    const int d = Pick(0, 3);
    Place(scheme, c, Chance(50) ? 101 : 113, d);
    ends_.push_back({c, d});
  }

  void Grow(Scheme& scheme) {
    const std::size_t i = Pick(0, static_cast<int>(ends_.size()) - 1);
    const End end = ends_[i];
    ends_.erase(ends_.begin() + i);
    const Cell c = Step(end.cell, end.direction);
    if (!Free(c) || Chance(8)) return;
    const int d = end.direction;
    const int roll = Pick(0, 99);
    // Orientation relative to the arrival: mostly one the element accepts.
    auto turned = [&](int relation) { return Chance(7) ? Pick(0, 3) : (d + relation) % 4; };
    if (roll < 25) {
      Place(scheme, c, 1, turned(0));
      ends_.push_back({c, d});
    } else if (roll < 40) {
      const bool right = Chance(50);
      const int o = turned(right ? 1 : 3);
      Place(scheme, c, right ? 2 : 3, o);
      ends_.push_back({c, o});
    } else if (roll < 45) {
      Place(scheme, c, 4, turned(Chance(50) ? 0 : 3));
      ends_.push_back({c, d});
    } else if (roll < 55) {
      const int code = Pick(5, 8);
      const int o = turned(0);
      Place(scheme, c, code, o);
      static constexpr int kOutputs[4][3] = {{0, 1, -1}, {0, 3, -1}, {1, 3, -1}, {0, 1, 3}};
      for (int relation : kOutputs[code - 5]) {
        if (relation >= 0) ends_.push_back({c, (o + relation) % 4});
      }
    } else if (roll < 70) {
      const int code = Pick(9, 20);
      const int o = Pick(0, 3);
      Place(scheme, c, code, o);
      ends_.push_back({c, o});
    } else {
      Place(scheme, c, Chance(50) ? 200 : 201, turned(0));
      ends_.push_back({c, d});
    }
  }

  std::mt19937 random_;
  std::set<std::pair<int, int>> cells_;
  std::vector<End> ends_;
};

// Makes the tables a chain walk leaves for simplifying, placing and
// ordering, far more tangled than drawn schemes make them: source rows, the
// two or three rows of each fork, all fed by one chain, and summator rows;
// every chain feeds one summator input or one fork, or nothing, and holds
// the head alone or one element more. Forks that feed each other in a ring
// that no source reaches are left out.
class WalkedTableGenerator {
 public:
  static constexpr int kHeads = 12;
  // Element 1 is the source; then kHeads forks, kHeads summators (every
  // third with a control point, every third a multiplier) and the element.
  static void PlaceHeads(Scheme& scheme) {
    test::Place(scheme, {{0, 0, 101, 0}});
    for (int k = 0; k < kHeads; ++k) test::Place(scheme, {{1, k, 8, 0}});
    for (int k = 0; k < kHeads; ++k) {
      test::Place(scheme, {{2, k, k % 3 == 2 ? 18 : 12, 0, k % 3 == 1 ? k / 3 + 1 : 0}});
    }
    test::Place(scheme, {{3, 0, 200, 0}});
  }

  explicit WalkedTableGenerator(unsigned seed) : random_(seed) {}

  bool Generate(ChainGraph& g) {
    const int sources = Pick(1, 2), forks = Pick(0, 3), summators = Pick(1, 4);
    fork_of_.assign(sources, -1);
    inputs_.assign(sources, 0);
    for (int f = 0; f < forks; ++f) {
      const int outputs = Pick(2, 3);
      for (int k = 0; k < outputs; ++k) AddRow(f, 1);
    }
    for (int k = 0; k < summators; ++k) AddRow(-1, Pick(2, 3));
    const int rows = static_cast<int>(inputs_.size());
    g.Reset(rows + summators + 2, 10);
    g.S = sources;
    g.F = forks;
    g.M = summators;
    g.R = rows;
    for (int r = 0; r < rows; ++r) {
      const int summator = 2 + kHeads + (r * 7) % kHeads;
      g.rows[r][ChainGraph::kHeadColumn] = r < sources        ? 1
                                           : fork_of_[r] >= 0 ? 2 + fork_of_[r]
                                                              : summator;
      g.rows[r][ChainGraph::kLengthColumn] = 1;
      g.rows[r][ChainGraph::kKindColumn] = inputs_[r] + 2;
      if (Pick(0, 1) == 1) g.AppendElement(r, 2 + 2 * kHeads);
    }
    std::vector<int> producers(rows);
    for (int r = 0; r < rows; ++r) producers[r] = r;
    std::shuffle(producers.begin(), producers.end(), random_);
    std::size_t next = 0;
    std::vector<bool> feeds(rows, false);
    for (int r = sources; r < rows; ++r) {
      const bool first_fork_row = fork_of_[r] >= 0 && fork_of_[r] != fork_of_[r - 1];
      if (fork_of_[r] >= 0 && !first_fork_row) continue;
      for (int i = 0; i < inputs_[r]; ++i) {
        if (next == producers.size()) return false;
        const int p = producers[next++];
        if (fork_of_[r] >= 0 && fork_of_[p] == fork_of_[r]) return false;
        feeds[p] = true;
        for (int k = r; k < rows && (k == r || (fork_of_[r] >= 0 && fork_of_[k] == fork_of_[r]));
             ++k) {
          const int sign = fork_of_[r] < 0 && Pick(0, 2) == 0 ? -1 : 1;
          g.rows[k][ChainGraph::kFirstInputColumn + i] = sign * (p + 1);
        }
      }
    }
    for (int r = sources; r < rows; ++r) {
      if (InDeadForkRing(g, r)) return false;
    }
    for (int r = 0; r < rows; ++r) {
      if (feeds[r]) g.rows[r][ChainGraph::kEndNodeColumn] = ++g.K;
    }
    return true;
  }

 private:
  void AddRow(int fork, int inputs) {
    fork_of_.push_back(fork);
    inputs_.push_back(inputs);
  }
  // Going back from row r through forks alone comes round to a fork again.
  bool InDeadForkRing(const ChainGraph& g, int r) const {
    std::set<int> seen;
    while (fork_of_[r] >= 0 && seen.insert(r).second) r = std::abs(g.Input(r, 0)) - 1;
    return fork_of_[r] >= 0;
  }
  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

  std::mt19937 random_;
  std::vector<int> fork_of_;  // per row: its fork's number, -1 for the others
  std::vector<int> inputs_;
};

}  // namespace kortiv::test
