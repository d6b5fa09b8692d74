// Simplification of the walked graph: connection pieces, idle fork
// outputs, forks with one used output and summator merging.
#include <gtest/gtest.h>

#include "analysis/simplify.h"
#include "analysis_fixture.h"

namespace kortiv {
namespace {

using test::AnalysisBench;
using Texts = std::vector<std::string>;

TEST(AnalysisSimplify, WiresAndCornersLeaveTheChain) {
  AnalysisBench b;
  test::Place(b.scheme, {{0, 0, 101, 0}, {0, 1, 1, 0}, {0, 2, 2, 1}, {1, 2, 1, 1}, {2, 2, 200, 1}});
  EXPECT_EQ(b.Analyse(), Texts{});
  EXPECT_EQ(b.Text(), "S=1 F=0 F3=0 M=0 X=0 R=1 K=0 C=0\n0 1 2 2 5\n");
}

// A fork whose outputs run straight into two summators: both read the
// chain in front of the fork.
TEST(AnalysisSimplify, ForkFeedingTwoSummatorsDirectlyLeavesNoForkRows) {
  AnalysisBench b;
  test::Place(b.scheme, {{1, 0, 101, 0},
                         {1, 1, 5, 0},
                         {1, 2, 9, 0},
                         {2, 1, 9, 1},
                         {2, 2, 101, 3},
                         {2, 0, 101, 0},
                         {1, 3, 200, 0},
                         {3, 1, 200, 1}});
  EXPECT_EQ(b.Analyse(), Texts{});
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.Text(),
            "S=3 F=1 F3=0 M=2 X=0 R=5 K=3 C=0\n"
            "1 1 1 2\n"
            "2 5 1 2\n"
            "3 6 1 2\n"
            "0 3 2 4 2 1 7\n"
            "0 4 2 4 3 1 8\n");
}

// The fork's turned output cell is empty: that row goes, then the fork is
// folded into the source chain, which keeps the fork's node.
TEST(AnalysisSimplify, ForkWithOneUsedOutputFoldsIntoItsInputChain) {
  AnalysisBench b;
  test::Place(b.scheme,
              {{0, 0, 101, 0}, {0, 1, 1, 0}, {0, 2, 5, 0}, {0, 3, 200, 0}, {0, 4, 201, 0, 1}});
  EXPECT_EQ(b.Analyse(), Texts{});
  EXPECT_EQ(b.Text(), "S=1 F=1 F3=0 M=0 X=0 R=1 K=1 C=0\n1 1 3 2 4 5\n");
}

// Summator A (element 5) feeds the subtracted input of B (element 4).
void PlaceSummatorIntoSubtraction(Scheme& scheme, int control_point_on_a) {
  test::Place(scheme, {{0, 2, 101, 0},
                       {2, 3, 101, 3},
                       {1, 4, 101, 2},
                       {0, 3, 13, 0},
                       {1, 3, 9, 3, control_point_on_a},
                       {0, 4, 200, 0}});
}

TEST(AnalysisSimplify, SummatorMergesIntoTheSummatorItFeedsWithFlippedSigns) {
  AnalysisBench b;
  PlaceSummatorIntoSubtraction(b.scheme, 0);
  EXPECT_EQ(b.Analyse(), Texts{});
  EXPECT_EQ(b.Text(),
            "S=3 F=0 F3=0 M=1 X=0 R=4 K=3 C=0\n"
            "1 1 1 2\n"
            "2 2 1 2\n"
            "3 3 1 2\n"
            "0 4 2 5 1 -2 -3 6\n");
}

TEST(AnalysisSimplify, SummatorWithAControlPointStaysObservable) {
  AnalysisBench b;
  PlaceSummatorIntoSubtraction(b.scheme, 1);
  EXPECT_EQ(b.Analyse(), Texts{});
  EXPECT_EQ(b.Text(),
            "S=3 F=0 F3=0 M=2 X=0 R=5 K=4 C=0\n"
            "1 1 1 2\n"
            "2 2 1 2\n"
            "3 3 1 2\n"
            "4 5 1 4 2 3\n"
            "0 4 2 4 1 -4 6\n");
}

// Summator V feeds a fork whose outputs run straight on into other forks
// and summators; once those idle fork rows are gone, summator W reads V
// directly. V stays a row of its own when something besides that one input
// reads it: merged, V's row would be gone from under the other readers.
TEST(AnalysisSimplify, ASummatorReadByMoreThanTheSummatorItFeedsStays) {
  // V (element 4) -> fork -> straight into W (element 6); the fork's
  // turned output runs through an element.
  AnalysisBench fork_with_another_output;
  test::Place(fork_with_another_output.scheme, {{0, 0, 101, 0},
                                                {1, 1, 101, 3},
                                                {1, 3, 101, 3},
                                                {0, 1, 9, 0},
                                                {0, 2, 5, 0},
                                                {0, 3, 9, 0},
                                                {1, 2, 200, 1},
                                                {0, 4, 201, 0}});
  EXPECT_EQ(fork_with_another_output.Analyse(), Texts{});
  EXPECT_EQ(fork_with_another_output.Text(),
            "S=3 F=1 F3=0 M=2 X=0 R=6 K=4 C=0\n"
            "1 1 1 2\n"
            "2 2 1 2\n"
            "3 3 1 2\n"
            "4 4 1 4 1 2\n"
            "0 6 2 4 3 4 8\n"
            "0 5 2 3 4 7\n");
  // V (element 3) -> fork -> two forks, each straight into a side of W
  // (element 7): W reads V twice.
  AnalysisBench read_twice;
  test::Place(read_twice.scheme, {{0, -2, 101, 0},
                                  {1, -1, 101, 3},
                                  {0, -1, 9, 0},
                                  {0, 0, 5, 0},
                                  {0, 1, 5, 0},
                                  {1, 0, 6, 1},
                                  {1, 1, 9, 1},
                                  {2, 1, 200, 1}});
  EXPECT_EQ(read_twice.Analyse(), Texts{});
  EXPECT_EQ(read_twice.Text(),
            "S=2 F=3 F3=0 M=2 X=0 R=4 K=3 C=0\n"
            "1 1 1 2\n"
            "2 2 1 2\n"
            "3 3 1 4 1 2\n"
            "0 7 2 4 3 3 8\n");
}

TEST(AnalysisSimplify, MultipliersNeverMerge) {
  // {code of B, code of A}: a multiplier neither merges nor takes a merge.
  for (const auto& [b_code, a_code] : {std::pair{13, 18}, std::pair{18, 9}}) {
    AnalysisBench b;
    test::Place(b.scheme, {{0, 2, 101, 0},
                           {2, 3, 101, 3},
                           {1, 4, 101, 2},
                           {0, 3, b_code, 0},
                           {1, 3, a_code, 3},
                           {0, 4, 200, 0}});
    EXPECT_EQ(b.Analyse(), Texts{});
    EXPECT_EQ(b.graph.M, 2) << b_code << " " << a_code;
  }
}

TEST(AnalysisSimplify, ANonSummatorAmongTheSummatorRowsStopsTheSimplification) {
  test::RecordingMessenger messages;
  Scheme scheme(messages);
  test::Place(scheme, {{0, 0, 101, 0}, {0, 1, 9, 0}, {5, 5, 5, 0}});
  ChainGraph g;
  g.Reset(4, 8);
  g.S = 1;
  g.M = 2;
  g.R = 3;
  g.rows[0] = {1, 1, 1, 2, 0, 0, 0, 0};
  g.rows[1] = {0, 2, 1, 4, 1, 1, 0, 0};
  g.rows[2] = {0, 3, 1, 3, 1, 0, 0, 0};
  const auto before = g.rows;
  The_simpler_the_better(g, scheme, messages);
  EXPECT_EQ(messages.Texts(), Texts{"The_simpler_the_better: Ошибка входного элемента!"});
  EXPECT_EQ(g.rows, before);
  EXPECT_EQ(g.M, 2);
}

}  // namespace
}  // namespace kortiv
