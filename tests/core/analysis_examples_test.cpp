// The six schemes of the element library, analysed; the expected tables
// were worked out by hand from the walking, simplifying and sorting rules.
#include <gtest/gtest.h>

#include "analysis_fixture.h"

namespace kortiv {
namespace {

using test::AnalysisBench;

TEST(AnalysisExamples, LinearSchemesLoseTheirWiresAndCountTheCrossingTwice) {
  AnalysisBench b;
  test::Place(b.scheme, {{2, 1, 100, 0, 1},
                         {2, 2, 4, 0},
                         {2, 3, 1, 0},
                         {2, 4, 3, 3},
                         {1, 4, 3, 2},
                         {1, 3, 300, 2, 2},
                         {1, 2, 3, 1},
                         {3, 2, 200, 1},
                         {5, 1, 104, 0, 3},
                         {5, 2, 1, 0},
                         {5, 3, 201, 0, 4},
                         {5, 4, 2, 1},
                         {6, 4, 202, 1, 5}});
  EXPECT_TRUE(b.Analyse().empty());
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.Text(),
            "S=2 F=0 F3=0 M=0 X=1 R=2 K=0 C=0\n"
            "0 1 3 2 6 8\n"
            "0 9 3 2 11 13\n");
  EXPECT_EQ(b.graph.RowCapacity(), 3);
  EXPECT_EQ(b.graph.ColumnCapacity(), 7);
  EXPECT_EQ(b.status.phases,
            (std::vector<std::string>{"Идёт анализ схемы", "Анализ схемы завершён"}));
}

TEST(AnalysisExamples, BranchingSchemeDropsIdleForkOutputs) {
  AnalysisBench b;
  test::Place(b.scheme, {{1, 1, 100, 0, 1},
                         {1, 2, 5, 0},
                         {1, 3, 201, 0, 2},
                         {2, 2, 202, 1, 3},
                         {5, 1, 100, 0},
                         {5, 2, 8, 0},
                         {4, 2, 300, 3},
                         {5, 3, 201, 0},
                         {6, 2, 202, 1},
                         {6, 3, 2, 0},
                         {6, 4, 1, 0},
                         {6, 5, 1, 0},
                         {6, 6, 5, 0},
                         {7, 4, 202, 0},
                         {7, 3, 6, 0},
                         {7, 2, 6, 1},
                         {7, 6, 203, 1},
                         {6, 7, 201, 0},
                         {8, 6, 300, 1}});
  EXPECT_TRUE(b.Analyse().empty());
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.Text(),
            "S=2 F=5 F3=1 M=0 X=0 R=10 K=3 C=0\n"
            "1 1 1 2\n"
            "2 5 1 2\n"
            "0 2 2 3 1 3\n"
            "0 2 2 3 1 4\n"
            "0 6 2 3 2 8\n"
            "3 6 2 3 2 9\n"
            "0 6 2 3 2 7\n"
            "0 13 2 3 6 18\n"
            "0 13 3 3 6 17 19\n"
            "0 15 2 3 6 14\n");
}

TEST(AnalysisExamples, ConvergingSchemeMergesTheSubtractionIntoTheSummator) {
  AnalysisBench b;
  test::Place(b.scheme, {{2, 1, 100, 0, 1},
                         {1, 2, 104, 1, 2},
                         {2, 3, 201, 0, 3},
                         {2, 2, 19, 0},
                         {5, 1, 100, 0},
                         {6, 4, 12, 0},
                         {4, 2, 100, 1},
                         {5, 3, 300, 0},
                         {6, 2, 1, 0},
                         {6, 3, 1, 0},
                         {7, 2, 13, 0},
                         {6, 1, 100, 0},
                         {8, 2, 100, 3},
                         {7, 4, 3, 3},
                         {7, 3, 1, 0},
                         {5, 2, 10, 0},
                         {5, 4, 2, 1},
                         {7, 1, 100, 0}});
  EXPECT_TRUE(b.Analyse().empty());
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.Text(),
            "S=7 F=0 F3=0 M=3 X=0 R=10 K=8 C=0\n"
            "1 1 1 2\n"
            "2 2 1 2\n"
            "3 5 1 2\n"
            "4 7 1 2\n"
            "5 12 1 2\n"
            "6 13 1 2\n"
            "7 18 1 2\n"
            "0 4 2 4 1 2 3\n"
            "8 16 2 4 3 4 8\n"
            "0 6 1 6 5 7 -6 9\n");
}

TEST(AnalysisExamples, SchemeWithoutFeedbackPlacesProducersFirst) {
  AnalysisBench b;
  test::Place(b.scheme,
              {{2, 1, 100, 0, 1}, {1, 2, 2, 0},   {2, 2, 8, 0},   {3, 2, 3, 0},     {1, 3, 200, 0},
               {2, 3, 201, 0},    {3, 3, 202, 0}, {1, 4, 2, 1},   {2, 4, 12, 0, 2}, {3, 4, 3, 3},
               {5, 1, 100, 0},    {6, 3, 104, 3}, {6, 5, 101, 3}, {5, 8, 13, 0},    {6, 8, 3, 3},
               {5, 7, 200, 0},    {6, 7, 201, 0}, {5, 6, 5, 0},   {6, 6, 3, 0},     {5, 5, 9, 0},
               {5, 4, 201, 0},    {5, 3, 9, 0},   {5, 2, 300, 0}});
  EXPECT_TRUE(b.Analyse().empty());
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.Text(),
            "S=4 F=2 F3=1 M=4 X=0 R=13 K=11 C=0\n"
            "1 1 1 2\n"
            "2 11 2 2 23\n"
            "3 12 1 2\n"
            "4 13 1 2\n"
            "5 3 2 3 1 6\n"
            "6 3 2 3 1 7\n"
            "7 3 2 3 1 5\n"
            "11 22 2 4 2 3 21\n"
            "0 9 1 5 5 6 7\n"
            "10 20 1 4 4 8\n"
            "8 18 2 3 10 16\n"
            "9 18 2 3 10 17\n"
            "0 14 1 4 11 -12\n");
}

TEST(AnalysisExamples, FeedbackSchemeGetsOneContourAroundTheSubtraction) {
  AnalysisBench b;
  test::Place(b.scheme, {{1, 1, 101, 0, 1},
                         {1, 2, 13, 0, 2},
                         {1, 3, 201, 0, 3},
                         {1, 4, 5, 0},
                         {2, 4, 2, 2},
                         {2, 3, 1, 2},
                         {2, 2, 2, 3}});
  EXPECT_TRUE(b.Analyse().empty());
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.Text(),
            "S=1 F=1 F3=0 M=1 X=0 R=3 K=2 C=1\n"
            "1 1 1 2\n"
            "0 -1 1\n"
            "2 2 2 4 1 -3 3\n");
}

TEST(AnalysisExamples, ComplexFeedbackSchemeFoldsTheForkAndOrdersTheContour) {
  AnalysisBench b;
  test::Place(b.scheme, {{2, 1, 100, 0},
                         {2, 2, 300, 0, 1},
                         {2, 7, 5, 0},
                         {2, 5, 10, 0, 2},
                         {2, 3, 13, 0, 3},
                         {1, 5, 104, 1},
                         {3, 7, 2, 2},
                         {3, 3, 2, 3},
                         {3, 6, 1, 2},
                         {2, 6, 201, 0},
                         {3, 5, 200, 2},
                         {2, 4, 201, 0},
                         {3, 4, 202, 2}});
  EXPECT_TRUE(b.Analyse().empty());
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.Text(),
            "S=2 F=1 F3=0 M=2 X=0 R=5 K=4 C=1\n"
            "1 1 2 2 2\n"
            "2 6 1 2\n"
            "0 -1 2\n"
            "4 5 2 4 1 -5 12\n"
            "3 4 4 4 2 4 10 11 13\n");
}

}  // namespace
}  // namespace kortiv
