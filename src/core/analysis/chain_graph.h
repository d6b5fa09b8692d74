#pragma once

#include <cstdint>
#include <vector>

namespace kortiv {

// The analysed scheme: a table of chain rows and its counters.
//
// Row columns (T = column 3, L = column 2):
//   0      end node 1..K, or 0 for an output chain
//   1      head element (source, fork, summator/multiplier); <= 0 in a
//          contour header row
//   2      L, the chain's length including its head (in a contour header:
//          the number of chain rows of the contour)
//   3      T, the kind: 2 source chain, 3 fork output, 2 + n summator or
//          multiplier with n inputs
//   4..T+1 inputs of the head as producer row + 1, negative when subtracted
//   T+2..T+L the elements after the head, in signal order
//
// Rows come in three groups: source chains [0, S), fork outputs [S, R - M),
// summators and multipliers [R - M, R). Contour header rows (column 0 = 0,
// column 1 = -(contour number), column 2 = member count) stand directly in
// front of the chain rows of their contour.
//
// Every row of the table has the same width (the column capacity); columns
// past T + L are zero, and so are the rows from R on.
struct ChainGraph {
  using Row = std::vector<std::int32_t>;

  static constexpr int kEndNodeColumn = 0;
  static constexpr int kHeadColumn = 1;
  static constexpr int kLengthColumn = 2;
  static constexpr int kKindColumn = 3;
  static constexpr int kFirstInputColumn = 4;
  static constexpr int kSourceKind = 2;
  static constexpr int kForkKind = 3;

  int S = 0;   // source chains
  int F = 0;   // forks
  int F3 = 0;  // forks with three outputs
  int M = 0;   // summators and multipliers
  int X = 0;   // crossings
  int R = 0;   // rows in use
  int K = 0;   // nodes
  int C = 0;   // contours
  bool has_sweep_generator = false;
  bool built = false;  // cleared by every edit of the scheme
  // The element that the message stopping the analysis concerns (the first
  // of them), set before the message is shown so that an editor can select
  // it; 0 when the fault is not about one element.
  int fault_element = 0;

  std::vector<Row> rows;

  int EndNode(int r) const { return rows[r][kEndNodeColumn]; }
  int Head(int r) const { return rows[r][kHeadColumn]; }
  int Length(int r) const { return rows[r][kLengthColumn]; }
  int Kind(int r) const { return rows[r][kKindColumn]; }
  int InputCount(int r) const { return Kind(r) - 2; }
  // Input i (0-based) as stored: producer row + 1, negative when subtracted.
  int Input(int r, int i) const { return rows[r][kFirstInputColumn + i]; }
  // Element i of the chain, i = 2..L (the head is element 1).
  int Element(int r, int i) const { return rows[r][Kind(r) + i]; }
  bool IsContourHeader(int r) const { return Head(r) <= 0; }
  // Last column in use: T + L for a chain row.
  int LastColumn(int r) const { return Kind(r) + Length(r); }

  int RowCapacity() const { return static_cast<int>(rows.size()); }
  int ColumnCapacity() const { return rows.empty() ? 0 : static_cast<int>(rows[0].size()); }

  // Forgets everything and makes an all-zero table of the given size.
  void Reset(int row_capacity, int column_capacity);
  // Makes an all-zero table of the given size; the counters stay.
  void AllocateRows(int row_capacity, int column_capacity);
  // Widens every row to at least `columns` columns (new columns zero).
  void EnsureColumns(int columns);
  // Makes room for at least `count` rows (new rows zero).
  void EnsureRows(int count);

  // Appends an element to row r's chain (L grows by one).
  void AppendElement(int r, int element);

  // Exchanges rows a and b and makes every input that referred to one refer
  // to the other, keeping its sign.
  void SwapRows(int a, int b);
  // Moves row `from` to index `to`; the rows between shift by one place and
  // keep their order, and every input follows its producer. The same as a
  // series of SwapRows with the neighbour.
  void MoveRow(int from, int to);
  // Where a row at index r ends up after MoveRow(from, to).
  static int MovedIndex(int r, int from, int to);

  // Makes every input of rows [S, R) that refers to row j refer to row
  // `producer` instead, keeping its sign.
  void RedirectReferences(int j, int producer);
  // Removes row j: its node (if any) disappears and higher nodes move down
  // by one, the row goes to the end of the table and R drops by one.
  void DeleteRow(int j);

  // Rebuilds the table with R + 1 rows and the columns in use + 2 (at least
  // 6), the form the calculation walks.
  void Compact();
};

}  // namespace kortiv
