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
// summators and multipliers [R - M, R).
struct ChainGraph {
  using Row = std::vector<std::int32_t>;

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

  std::vector<Row> rows;

  int EndNode(int r) const { return rows[r][0]; }
  int Head(int r) const { return rows[r][1]; }
  int Length(int r) const { return rows[r][2]; }
  int Kind(int r) const { return rows[r][3]; }
  int InputCount(int r) const { return Kind(r) - 2; }
  // Input i (0-based) as stored: producer row + 1, negative when subtracted.
  int Input(int r, int i) const { return rows[r][4 + i]; }
  // Element i of the chain, i = 2..L (the head is element 1).
  int Element(int r, int i) const { return rows[r][Kind(r) + i]; }
  bool IsContourHeader(int r) const { return Head(r) <= 0; }
};

}  // namespace kortiv
