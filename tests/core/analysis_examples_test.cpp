// The six built-in example schemes, analysed; the expected tables were
// worked out by hand from the walking, simplifying and sorting rules.
#include <gtest/gtest.h>

#include "analysis_fixture.h"
#include "model/builtin_examples.h"

namespace kortiv {
namespace {

using test::AnalysisBench;

TEST(AnalysisExamples, LinearSchemesLoseTheirWiresAndCountTheCrossingTwice) {
  AnalysisBench b;
  LoadBuiltinExample(b.scheme, 1);
  EXPECT_TRUE(b.Analyse().empty());
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.Text(),
            "S=2 F=0 F3=0 M=0 X=1 R=2 K=0 C=0\n"
            "0 1 3 2 6 8\n"
            "0 9 3 2 11 13\n");
  EXPECT_EQ(b.graph.RowCapacity(), 3);
  EXPECT_EQ(b.graph.ColumnCapacity(), 7);
  EXPECT_EQ(b.status.phase_history,
            (std::vector<std::string>{"Идёт анализ схемы", "Анализ схемы завершён"}));
}

TEST(AnalysisExamples, BranchingSchemeDropsIdleForkOutputs) {
  AnalysisBench b;
  LoadBuiltinExample(b.scheme, 2);
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
  LoadBuiltinExample(b.scheme, 3);
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
  LoadBuiltinExample(b.scheme, 4);
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
  LoadBuiltinExample(b.scheme, 5);
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
  LoadBuiltinExample(b.scheme, 6);
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
