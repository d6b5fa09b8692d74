#include "analysis/chain_walk.h"

#include <cstdint>
#include <unordered_map>

#include "analysis/chain_graph.h"
#include "analysis/link_rules.h"
#include "model/catalogue.h"
#include "model/scheme.h"
#include "support/messenger.h"

namespace kortiv {

namespace {

constexpr const char* kWronglyTurned =
    "В схеме есть неверно развёрнутые элементы!\n Расчет невозможен.";
constexpr const char* kForkStored = "Ошибка запоминания разветвления! Расчет невозможен.";
constexpr const char* kLoopOfElements =
    "В схеме есть элементы соединенные в петлю!\nРасчет невозможен.";

// Finds the element in a cell: the first by number when several share it.
// Cells are keyed by both coordinates, so a step past the edge of the stored
// range finds nothing instead of wrapping onto another row.
class CellIndex {
 public:
  explicit CellIndex(const Scheme& scheme) {
    for (int n = 1; n <= scheme.ElementCount(); ++n) {
      elements_.emplace(Key(scheme.GetStoredPosition(n)), n);
    }
  }
  int At(Cell cell) const {
    const auto found = elements_.find(Key(cell));
    return found == elements_.end() ? 0 : found->second;
  }

 private:
  static std::int64_t Key(Cell cell) {
    return static_cast<std::int64_t>(cell.row) * 100000 + cell.column;
  }
  std::unordered_map<std::int64_t, int> elements_;
};

Cell Step(Cell cell, int direction) {
  static constexpr int kRowStep[4] = {0, 1, 0, -1};
  static constexpr int kColumnStep[4] = {1, 0, -1, 0};
  return {cell.row + kRowStep[direction], cell.column + kColumnStep[direction]};
}

class ChainWalker {
 public:
  ChainWalker(const Scheme& scheme, const SchemeCensus& census, ChainGraph& graph,
              Messenger& messenger)
      : scheme_(scheme), census_(census), graph_(graph), messenger_(messenger), cells_(scheme) {}

  void MakeRows() {
    for (int source : census_.sources) AddRow(source, ChainGraph::kSourceKind, kSame);
    for (int fork : census_.forks) {
      first_row_[fork] = graph_.R;
      const int code = scheme_.GetCode(fork);
      for (int i = 0; i < ForkOutputCount(code); ++i) {
        AddRow(fork, ChainGraph::kForkKind, ForkOutputRelation(code, i));
      }
    }
    for (int junction : census_.junctions) {
      first_row_[junction] = graph_.R;
      AddRow(junction, JunctionInputCount(scheme_.GetCode(junction)) + 2, kSame);
    }
  }

  bool WalkAll() {
    for (int r = 0; r < graph_.R; ++r) {
      if (!Walk(r)) return false;
    }
    return true;
  }

 private:
  void AddRow(int head, int kind, int output_relation) {
    auto& row = graph_.rows[graph_.R++];
    row[ChainGraph::kHeadColumn] = head;
    row[ChainGraph::kLengthColumn] = 1;
    row[ChainGraph::kKindColumn] = kind;
    output_relation_.push_back(output_relation);
  }

  // Follows row r's chain from its head until it ends.
  bool Walk(int r) {
    const int head = graph_.Head(r);
    Cell cell = scheme_.GetStoredPosition(head);
    int direction = (scheme_.GetOrientation(head) + output_relation_[r]) % 4;
    const int limit = scheme_.ElementCount() + graph_.X;
    for (int appended = 0;;) {
      cell = Step(cell, direction);
      const int n = cells_.At(cell);
      if (n == 0) return true;
      const int code = scheme_.GetCode(n);
      if (IsSourceCode(code)) return true;
      const LinkRule& rule = LinkRuleFor(code);
      const int relation = RelationOf(scheme_.GetOrientation(n), direction);
      if (rule.wrong & (1u << relation)) {
        graph_.fault_element = n;
        messenger_.Show(kWronglyTurned);
        return false;
      }
      if (!(rule.accepts & (1u << relation))) return true;
      if (IsForkCode(code)) return EnterFork(r, n);
      if (IsJunctionCode(code)) return EnterJunction(r, n, rule.slots[relation]);
      graph_.AppendElement(r, n);
      if (++appended > limit) {
        messenger_.Show(kLoopOfElements);
        return false;
      }
      if (rule.corner) direction = scheme_.GetOrientation(n);
    }
  }

  // Row r feeds every output row of the fork.
  bool EnterFork(int r, int fork) {
    const int first = first_row_.at(fork);
    const int count = ForkOutputCount(scheme_.GetCode(fork));
    for (int row = first; row < first + count; ++row) {
      std::int32_t& input = graph_.rows[row][ChainGraph::kFirstInputColumn];
      if (input != 0) {
        messenger_.Show(kForkStored);
        return false;
      }
      input = r + 1;
    }
    EndAtNewNode(r);
    return true;
  }

  bool EnterJunction(int r, int junction, InputSlot slot) {
    const int row = first_row_.at(junction);
    int column = ChainGraph::kFirstInputColumn + slot.offset;
    if (slot.offset < 0) {
      column = ChainGraph::kFirstInputColumn;
      const int end = ChainGraph::kFirstInputColumn + graph_.InputCount(row);
      while (column < end && graph_.rows[row][column] != 0) ++column;
      // Each side is reached by one chain at most, so a free input is left.
      if (column == end) return true;
    }
    graph_.rows[row][column] = slot.sign * (r + 1);
    EndAtNewNode(r);
    return true;
  }

  void EndAtNewNode(int r) { graph_.rows[r][ChainGraph::kEndNodeColumn] = ++graph_.K; }

  const Scheme& scheme_;
  const SchemeCensus& census_;
  ChainGraph& graph_;
  Messenger& messenger_;
  CellIndex cells_;
  std::unordered_map<int, int> first_row_;  // fork or junction -> its first row
  std::vector<int> output_relation_;        // per row: its head's output
};

}  // namespace

SchemeCensus TakeCensus(const Scheme& scheme) {
  SchemeCensus census;
  for (int n = 1; n <= scheme.ElementCount(); ++n) {
    const int code = scheme.GetCode(n);
    if (scheme.ParamsMissing(n) && census.missing_params++ == 0) census.first_missing_params = n;
    if (code >= 300) census.has_code_300_or_more = true;
    if (IsSourceCode(code)) {
      census.sources.push_back(n);
      if (code == kSweepGeneratorCode) census.has_sweep_generator = true;
    } else if (code == 4) {
      ++census.crossings;
    } else if (IsForkCode(code)) {
      census.forks.push_back(n);
      if (code == 8) ++census.three_output_forks;
    } else if (IsJunctionCode(code)) {
      census.junctions.push_back(n);
    }
  }
  return census;
}

void CountCensus(const SchemeCensus& census, ChainGraph& graph) {
  graph.S = static_cast<int>(census.sources.size());
  graph.F = static_cast<int>(census.forks.size());
  graph.F3 = census.three_output_forks;
  graph.M = static_cast<int>(census.junctions.size());
  graph.X = census.crossings;
  graph.has_sweep_generator = census.has_sweep_generator;
}

bool BuildChains(const Scheme& scheme, const SchemeCensus& census, ChainGraph& graph,
                 Messenger& messenger) {
  graph.AllocateRows(graph.S + 3 * graph.F + 2 * graph.M + 2,
                     scheme.ElementCount() - graph.S - graph.F - graph.M + 10);
  ChainWalker walker(scheme, census, graph, messenger);
  walker.MakeRows();
  return walker.WalkAll();
}

}  // namespace kortiv
