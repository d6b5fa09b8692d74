#include "analysis/chain_graph.h"

#include <algorithm>
#include <cstdlib>

namespace kortiv {

namespace {

// Applies `map` (old row index -> new row index) to every input of the rows
// in use; header rows carry no inputs.
template <typename Map>
void RemapInputs(ChainGraph& graph, Map map) {
  for (int r = 0; r < graph.R; ++r) {
    if (graph.IsContourHeader(r)) continue;
    auto& row = graph.rows[r];
    for (int i = 0; i < graph.InputCount(r); ++i) {
      std::int32_t& input = row[ChainGraph::kFirstInputColumn + i];
      if (input == 0) continue;
      const int moved = map(std::abs(input) - 1) + 1;
      input = input < 0 ? -moved : moved;
    }
  }
}

}  // namespace

void ChainGraph::Reset(int row_capacity, int column_capacity) {
  S = F = F3 = M = X = R = K = C = 0;
  has_sweep_generator = false;
  fault_element = 0;
  AllocateRows(row_capacity, column_capacity);
}

void ChainGraph::AllocateRows(int row_capacity, int column_capacity) {
  rows.assign(row_capacity, Row(column_capacity, 0));
}

void ChainGraph::EnsureColumns(int columns) {
  if (columns <= ColumnCapacity()) return;
  for (auto& row : rows) row.resize(columns, 0);
}

void ChainGraph::EnsureRows(int count) {
  if (count <= RowCapacity()) return;
  rows.resize(count, Row(ColumnCapacity(), 0));
}

void ChainGraph::AppendElement(int r, int element) {
  EnsureColumns(LastColumn(r) + 2);
  ++rows[r][kLengthColumn];
  rows[r][LastColumn(r)] = element;
}

void ChainGraph::SwapRows(int a, int b) {
  if (a == b) return;
  std::swap(rows[a], rows[b]);
  RemapInputs(*this, [a, b](int r) { return r == a ? b : r == b ? a : r; });
}

int ChainGraph::MovedIndex(int r, int from, int to) {
  if (r == from) return to;
  if (from < to && r > from && r <= to) return r - 1;
  if (to < from && r >= to && r < from) return r + 1;
  return r;
}

void ChainGraph::MoveRow(int from, int to) {
  if (from == to) return;
  if (from < to) {
    std::rotate(rows.begin() + from, rows.begin() + from + 1, rows.begin() + to + 1);
  } else {
    std::rotate(rows.begin() + to, rows.begin() + from, rows.begin() + from + 1);
  }
  RemapInputs(*this, [from, to](int r) { return MovedIndex(r, from, to); });
}

void ChainGraph::RedirectReferences(int j, int producer) {
  for (int r = S; r < R; ++r) {
    if (IsContourHeader(r)) continue;
    for (int i = 0; i < InputCount(r); ++i) {
      std::int32_t& input = rows[r][kFirstInputColumn + i];
      if (std::abs(input) == j + 1) input = input < 0 ? -(producer + 1) : producer + 1;
    }
  }
}

void ChainGraph::DeleteRow(int j) {
  const int node = EndNode(j);
  if (node != 0) {
    --K;
    for (int r = 0; r < R; ++r) {
      if (rows[r][kEndNodeColumn] > node) --rows[r][kEndNodeColumn];
    }
  }
  MoveRow(j, R - 1);
  --R;
  std::fill(rows[R].begin(), rows[R].end(), 0);
}

void ChainGraph::Compact() {
  int last = 4;
  for (int r = 0; r <= R && r < RowCapacity(); ++r) {
    for (int c = ColumnCapacity() - 1; c > last; --c) {
      if (rows[r][c] != 0) {
        last = c;
        break;
      }
    }
  }
  rows.resize(R + 1, Row(ColumnCapacity(), 0));
  for (auto& row : rows) row.resize(last + 2, 0);
}

}  // namespace kortiv
