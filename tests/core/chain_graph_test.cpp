#include "analysis/chain_graph.h"

#include <gtest/gtest.h>

namespace kortiv {
namespace {

using Row = ChainGraph::Row;

// Source row 0 (node 1) feeds fork rows 1 and 2; fork row 1 (node 2) feeds
// summator row 3 with +, fork row 2 (node 3) feeds it with -.
ChainGraph SmallGraph() {
  ChainGraph g;
  g.Reset(6, 8);
  g.S = 1;
  g.F = 1;
  g.M = 1;
  g.R = 4;
  g.K = 3;
  g.rows[0] = {1, 10, 1, 2, 0, 0, 0, 0};
  g.rows[1] = {2, 11, 2, 3, 1, 30, 0, 0};
  g.rows[2] = {3, 11, 1, 3, 1, 0, 0, 0};
  g.rows[3] = {0, 12, 2, 4, 2, -3, 31, 0};
  return g;
}

TEST(ChainGraphRows, SwapRowsExchangesContentsAndRenumbersReferences) {
  ChainGraph g = SmallGraph();
  g.SwapRows(1, 2);
  EXPECT_EQ(g.rows[1], (Row{3, 11, 1, 3, 1, 0, 0, 0}));
  EXPECT_EQ(g.rows[2], (Row{2, 11, 2, 3, 1, 30, 0, 0}));
  EXPECT_EQ(g.Input(3, 0), 3);
  EXPECT_EQ(g.Input(3, 1), -2);
}

TEST(ChainGraphRows, MoveRowEqualsASeriesOfNeighbourSwaps) {
  for (int from = 1; from < 4; ++from) {
    for (int to = 1; to < 4; ++to) {
      ChainGraph moved = SmallGraph();
      moved.MoveRow(from, to);
      ChainGraph swapped = SmallGraph();
      for (int r = from; r < to; ++r) swapped.SwapRows(r, r + 1);
      for (int r = from; r > to; --r) swapped.SwapRows(r, r - 1);
      EXPECT_EQ(moved.rows, swapped.rows) << from << " -> " << to;
      for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(moved.rows[ChainGraph::MovedIndex(r, from, to)][0], SmallGraph().rows[r][0]);
      }
    }
  }
}

TEST(ChainGraphRows, DeleteRowDropsItsNodeAndRenumbersHigherNodes) {
  ChainGraph g = SmallGraph();
  g.RedirectReferences(2, 0);  // the summator reads the source directly
  g.DeleteRow(2);
  EXPECT_EQ(g.R, 3);
  EXPECT_EQ(g.K, 2);
  EXPECT_EQ(g.rows[0][0], 1);
  EXPECT_EQ(g.rows[1][0], 2);
  EXPECT_EQ(g.rows[2], (Row{0, 12, 2, 4, 2, -1, 31, 0}));
  EXPECT_EQ(g.rows[3], Row(8, 0));
}

TEST(ChainGraphRows, AppendElementGrowsEveryRowWhenFull) {
  ChainGraph g = SmallGraph();
  g.AppendElement(3, 32);
  g.AppendElement(3, 33);
  EXPECT_EQ(g.Length(3), 4);
  EXPECT_EQ(g.Element(3, 4), 33);
  EXPECT_GE(g.ColumnCapacity(), 9);
  for (const auto& row : g.rows) EXPECT_EQ(static_cast<int>(row.size()), g.ColumnCapacity());
}

TEST(ChainGraphRows, CompactKeepsOneSpareRowAndTwoColumnsPastTheLastValue) {
  ChainGraph g = SmallGraph();
  g.Compact();
  ASSERT_EQ(g.RowCapacity(), 5);
  EXPECT_EQ(g.ColumnCapacity(), 8);  // column 6 holds the last value
  EXPECT_EQ(g.rows[4], Row(8, 0));

  ChainGraph sources;
  sources.Reset(4, 12);
  sources.S = sources.R = 1;
  sources.rows[0] = Row{0, 1, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0};
  sources.Compact();
  EXPECT_EQ(sources.RowCapacity(), 2);
  EXPECT_EQ(sources.ColumnCapacity(), 6);
}

}  // namespace
}  // namespace kortiv
