// Placing, contour search and sorting of the chains that feed each other.
#include <gtest/gtest.h>

#include "analysis/contours.h"
#include "analysis/sorting.h"
#include "analysis_fixture.h"

namespace kortiv {
namespace {

using test::AnalysisBench;
using Texts = std::vector<std::string>;
using Row = ChainGraph::Row;

// Step source -> subtraction -> element -> fork; the fork's straight output
// runs through a second element, its turned output back to the subtracted
// input through two corners and `feedback` (a wire or an element).
void PlaceFeedbackLoop(Scheme& scheme, int feedback) {
  test::Place(scheme, {{1, 1, 101, 0},
                       {1, 2, 13, 0},
                       {1, 3, 200, 0},
                       {1, 4, 5, 0},
                       {1, 5, 201, 0},
                       {2, 4, 2, 2},
                       {2, 3, feedback, 2},
                       {2, 2, 2, 3}});
}

TEST(AnalysisOrdering, FeedbackThroughWiresIsAContourOfOneChain) {
  AnalysisBench b;
  PlaceFeedbackLoop(b.scheme, 1);
  EXPECT_EQ(b.Analyse(), Texts{});
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.Text(),
            "S=1 F=1 F3=0 M=1 X=0 R=4 K=2 C=1\n"
            "1 1 1 2\n"
            "0 -1 1\n"
            "2 2 2 4 1 -3 3\n"
            "0 4 2 3 3 5\n");
}

TEST(AnalysisOrdering, FeedbackThroughAnElementIsAContourOfTwoChainsSummatorFirst) {
  AnalysisBench b;
  PlaceFeedbackLoop(b.scheme, 202);
  EXPECT_EQ(b.Analyse(), Texts{});
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.Text(),
            "S=1 F=1 F3=0 M=1 X=0 R=5 K=3 C=1\n"
            "1 1 1 2\n"
            "0 -1 2\n"
            "3 2 2 4 1 -4 3\n"
            "2 4 2 3 3 7\n"
            "0 4 2 3 3 5\n");
}

TEST(AnalysisOrdering, TwoLoopsThroughOneSummatorMakeOneContour) {
  AnalysisBench b;
  test::Place(b.scheme, {{1, 0, 101, 0},
                         {1, 1, 12, 0},
                         {1, 2, 200, 0},
                         {1, 3, 8, 0},
                         {1, 4, 200, 0},
                         {2, 3, 2, 2},
                         {2, 2, 201, 2},
                         {2, 1, 2, 3},
                         {0, 3, 3, 2},
                         {0, 2, 202, 2},
                         {0, 1, 3, 1}});
  EXPECT_EQ(b.Analyse(), Texts{});
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.Text(),
            "S=1 F=1 F3=1 M=1 X=0 R=6 K=4 C=1\n"
            "1 1 1 2\n"
            "0 -1 3\n"
            "4 2 2 5 1 4 5 3\n"
            "2 4 2 3 3 7\n"
            "3 4 2 3 3 10\n"
            "0 4 2 3 3 5\n");
}

TEST(AnalysisOrdering, LoopsThatShareNoChainAreTwoContours) {
  AnalysisBench b;
  for (int top : {1, 4}) {
    test::Place(b.scheme, {{top, 1, 101, 0},
                           {top, 2, 13, 0},
                           {top, 3, 201, 0},
                           {top, 4, 5, 0},
                           {top + 1, 4, 2, 2},
                           {top + 1, 3, 1, 2},
                           {top + 1, 2, 2, 3}});
  }
  EXPECT_EQ(b.Analyse(), Texts{});
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.Text(),
            "S=2 F=2 F3=0 M=2 X=0 R=6 K=4 C=2\n"
            "1 1 1 2\n"
            "2 8 1 2\n"
            "0 -1 1\n"
            "3 2 2 4 1 -4 3\n"
            "0 -2 1\n"
            "4 9 2 4 2 -6 10\n");
}

// Two sources feed summator C (element 16, with a control point), C feeds
// loop A (a subtraction whose fork feeds back through an element), the
// fork's straight output feeds loop B (a subtraction fed back from its own
// output). C is placed only by the sorting, behind both contours: it has to
// come up in front of them, or they would change places for ever.
TEST(AnalysisOrdering, APlainChainBehindTwoContoursComesUpInFrontOfThem) {
  AnalysisBench b;
  test::Place(b.scheme, {{0, 0, 101, 0},
                         {-1, 1, 101, 1},
                         {0, 2, 13, 0},
                         {0, 3, 200, 0},
                         {0, 4, 5, 0},
                         {0, 5, 201, 0},
                         {0, 6, 13, 0},
                         {1, 4, 2, 2},
                         {1, 3, 202, 2},
                         {1, 2, 2, 3},
                         {0, 7, 203, 0},
                         {0, 8, 2, 1},
                         {1, 8, 2, 2},
                         {1, 7, 204, 2},
                         {1, 6, 2, 3},
                         {0, 1, 10, 0, 1}});
  EXPECT_EQ(b.Analyse(), Texts{});
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.Text(),
            "S=2 F=1 F3=0 M=3 X=0 R=9 K=7 C=2\n"
            "1 1 1 2\n"
            "2 2 1 2\n"
            "7 16 1 4 1 2\n"
            "0 -1 2\n"
            "5 3 2 4 3 -6 4\n"
            "4 5 2 3 5 9\n"
            "3 5 2 3 5 6\n"
            "0 -2 1\n"
            "6 7 3 4 7 -9 11 14\n");
}

// Two forks feed each other without a summator: the sorting can never
// settle; past the limit of 2! passes each pass is reported until the table
// comes back to a state it had, and the graph stays unbuilt.
TEST(AnalysisOrdering, EndlessSortingIsReportedAndLeavesTheGraphUnbuilt) {
  AnalysisBench b;
  test::Place(b.scheme, {{5, 5, 101, 0},
                         {0, 0, 5, 0},
                         {0, 1, 200, 0},
                         {0, 2, 2, 1},
                         {1, 2, 200, 1},
                         {2, 2, 5, 1},
                         {3, 2, 200, 1},
                         {2, 1, 200, 2},
                         {2, 0, 1, 2},
                         {2, -1, 2, 3},
                         {1, -1, 1, 3},
                         {0, -1, 2, 0},
                         {1, 0, 200, 1}});
  const std::string too_many = "Слишком много обращений к Big_Sorting! Не все контура найдены!";
  EXPECT_EQ(b.Analyse(), (Texts{too_many, too_many, too_many}));
  EXPECT_FALSE(b.graph.built);
}

// One fork whose output comes back to its own input: its only chain reads
// itself, which no contour covers.
TEST(AnalysisOrdering, AChainThatReadsItselfOutsideAContourIsReported) {
  AnalysisBench b;
  test::Place(b.scheme, {{5, 5, 101, 0},
                         {0, 0, 5, 0},
                         {0, 1, 200, 0},
                         {0, 2, 2, 1},
                         {1, 2, 2, 2},
                         {1, 1, 200, 2},
                         {1, 0, 1, 2},
                         {1, -1, 2, 3},
                         {0, -1, 2, 0}});
  EXPECT_EQ(b.Analyse(), Texts{"Проблема алгоритма в Big_Sorting! Не все контура найдены!"});
  EXPECT_FALSE(b.graph.built);
}

TEST(AnalysisOrdering, OrderLinksSortsInputsByAbsoluteValue) {
  ChainGraph g;
  g.Reset(3, 8);
  g.R = 3;
  g.rows[0] = {0, 1, 1, 4, 7, -3, 0, 0};
  g.rows[1] = {0, 2, 1, 5, -4, 4, 2, 0};
  g.rows[2] = {0, 3, 1, 3, 9, 0, 0, 0};
  OrderLinks(g, 0, 2);
  EXPECT_EQ(g.rows[0], (Row{0, 1, 1, 4, -3, 7, 0, 0}));
  EXPECT_EQ(g.rows[1], (Row{0, 2, 1, 5, 2, -4, 4, 0}));  // equal values keep their order
  EXPECT_EQ(g.rows[2], (Row{0, 3, 1, 3, 9, 0, 0, 0}));
}

TEST(AnalysisOrdering, FactorialLimitSaturates) {
  EXPECT_EQ(SaturatingFactorial(0), 1);
  EXPECT_EQ(SaturatingFactorial(1), 1);
  EXPECT_EQ(SaturatingFactorial(5), 120);
  EXPECT_EQ(SaturatingFactorial(8), kSortingLimitCap);
  EXPECT_EQ(SaturatingFactorial(13), kSortingLimitCap);
  EXPECT_EQ(SaturatingFactorial(100), kSortingLimitCap);
}

// Rows of hand-made graphs whose heads are summators 2..5 of this scheme.
class HandMadeGraph : public ::testing::Test {
 protected:
  void SetUp() override {
    test::Place(scheme, {{0, 0, 101, 0}, {1, 0, 9, 0}, {2, 0, 9, 0}, {3, 0, 9, 0}, {4, 0, 9, 0}});
  }
  test::RecordingMessenger messages;
  Scheme scheme{messages};
  ChainGraph g;
};

// Loops a-b, b-c and c-d: a and d share no chain, yet all four rows belong
// to one contour, so that no row is claimed by two.
TEST_F(HandMadeGraph, LoopsJoinedThroughOtherLoopsMakeOneContour) {
  g.Reset(8, 8);
  g.S = 1;
  g.M = 4;
  g.R = 5;
  g.rows[0] = {1, 1, 1, 2, 0, 0, 0, 0};
  g.rows[1] = {2, 2, 1, 4, 1, 3, 0, 0};  // a reads the source and b
  g.rows[2] = {3, 3, 1, 4, 2, 4, 0, 0};  // b reads a and c
  g.rows[3] = {4, 4, 1, 4, 3, 5, 0, 0};  // c reads b and d
  g.rows[4] = {5, 5, 1, 4, 1, 4, 0, 0};  // d reads the source and c
  FindContours(g, scheme, messages, 1, 5);
  EXPECT_EQ(messages.Texts(), Texts{});
  EXPECT_EQ(g.C, 1);
  EXPECT_EQ(g.R, 6);
  EXPECT_EQ(g.rows[1], (Row{0, -1, 4, 0, 0, 0, 0, 0}));
  EXPECT_EQ(g.rows[2], (Row{2, 2, 1, 4, 1, 4, 0, 0}));
  EXPECT_EQ(g.rows[3], (Row{3, 3, 1, 4, 3, 5, 0, 0}));
  EXPECT_EQ(g.rows[4], (Row{4, 4, 1, 4, 4, 6, 0, 0}));
  EXPECT_EQ(g.rows[5], (Row{5, 5, 1, 4, 1, 5, 0, 0}));
}

// Loop {A, Y} is found before loop {A, B, X}, but the contour starts at X:
// it lists the loop through X first and then takes in Y from the other.
TEST(AnalysisContours, AContourTakesInTheLoopsFoundBeforeTheOneItStartsWith) {
  test::RecordingMessenger messages;
  Scheme scheme(messages);
  test::Place(scheme, {{0, 0, 101, 0}, {1, 0, 5, 0}, {2, 0, 12, 0}, {3, 0, 9, 0}});
  ChainGraph g;
  g.Reset(7, 8);
  g.S = 1;
  g.F = 1;
  g.M = 2;
  g.R = 5;
  g.rows[0] = {1, 1, 1, 2, 0, 0, 0, 0};
  g.rows[1] = {2, 2, 1, 3, 4, 0, 0, 0};  // X: fork output, reads A
  g.rows[2] = {3, 2, 1, 3, 4, 0, 0, 0};  // Y: fork output, reads A
  g.rows[3] = {4, 3, 1, 5, 1, 3, 5, 0};  // A reads the source, Y and B
  g.rows[4] = {5, 4, 1, 4, 1, 2, 0, 0};  // B reads the source and X
  FindContours(g, scheme, messages, 1, 5);
  EXPECT_EQ(messages.Texts(), Texts{});
  EXPECT_EQ(g.C, 1);
  EXPECT_EQ(g.R, 6);
  EXPECT_EQ(g.rows[1], (Row{0, -1, 4, 0, 0, 0, 0, 0}));
  EXPECT_EQ(g.rows[2], (Row{4, 3, 1, 5, 1, 6, 4, 0}));  // A
  EXPECT_EQ(g.rows[3], (Row{5, 4, 1, 4, 1, 5, 0, 0}));  // B
  EXPECT_EQ(g.rows[4], (Row{2, 2, 1, 3, 3, 0, 0, 0}));  // X
  EXPECT_EQ(g.rows[5], (Row{3, 2, 1, 3, 3, 0, 0, 0}));  // Y
}

TEST_F(HandMadeGraph, LoopSearchFromASummatorWithoutInputsIsReported) {
  g.Reset(3, 6);
  g.M = 1;
  g.R = 1;
  g.rows[0] = {1, 2, 1, 2, 0, 0};
  FindContours(g, scheme, messages, 0, 1);
  EXPECT_EQ(messages.Texts(), Texts{"All_Loops_Finding: Ошибка при поиске контуров!"});
  EXPECT_EQ(g.C, 0);
  EXPECT_EQ(g.R, 1);
}

// The cycles through a, walked backwards along its inputs in column order,
// are a-c-b, a-c and a-b: the contour lists a, c, b.
TEST_F(HandMadeGraph, ContourMembersComeInTheOrderTheFirstCycleWalksThem) {
  g.Reset(6, 8);
  g.S = 1;
  g.M = 3;
  g.R = 4;
  g.rows[0] = {1, 1, 1, 2, 0, 0, 0, 0};
  g.rows[1] = {2, 2, 1, 5, 1, 4, 3, 0};  // a reads the source, c and b
  g.rows[2] = {3, 3, 1, 3, 2, 0, 0, 0};  // b reads a
  g.rows[3] = {4, 4, 1, 4, 3, 2, 0, 0};  // c reads b and a
  FindContours(g, scheme, messages, 1, 4);
  EXPECT_EQ(messages.Texts(), Texts{});
  ASSERT_EQ(g.C, 1);
  EXPECT_EQ(g.rows[1], (Row{0, -1, 3, 0, 0, 0, 0, 0}));
  EXPECT_EQ(g.Head(2), 2);
  EXPECT_EQ(g.Head(3), 4);
  EXPECT_EQ(g.Head(4), 3);
  EXPECT_EQ(g.rows[2], (Row{2, 2, 1, 5, 1, 4, 5, 0}));  // inputs follow their rows
}

TEST_F(HandMadeGraph, ContourChainsWithAnOutsideInputComeFirst) {
  g.Reset(6, 8);
  g.S = 1;
  g.R = 4;
  g.rows[0] = {1, 1, 1, 2, 0, 0, 0, 0};
  g.rows[1] = {0, -1, 2, 0, 0, 0, 0, 0};
  g.rows[2] = {2, 2, 1, 4, 3, 4, 0, 0};  // reads only the contour
  g.rows[3] = {3, 3, 1, 4, 1, 3, 0, 0};  // reads the source
  LoopChain_Sorting(g, scheme, messages, 2, 3);
  EXPECT_EQ(messages.Texts(), Texts{});
  EXPECT_EQ(g.rows[2], (Row{3, 3, 1, 4, 1, 4, 0, 0}));
  EXPECT_EQ(g.rows[3], (Row{2, 2, 1, 4, 4, 3, 0, 0}));
}

TEST_F(HandMadeGraph, ContourSortingReportsWrongArgumentsAndMissingEntries) {
  g.Reset(6, 8);
  g.S = 1;
  g.R = 4;
  g.rows[0] = {1, 1, 1, 2, 0, 0, 0, 0};
  g.rows[1] = {0, -1, 2, 0, 0, 0, 0, 0};
  g.rows[2] = {2, 2, 1, 4, 3, 4, 0, 0};
  g.rows[3] = {3, 3, 1, 4, 3, 4, 0, 0};
  LoopChain_Sorting(g, scheme, messages, 2, 2);  // the header counts two rows
  LoopChain_Sorting(g, scheme, messages, 3, 3);  // row 2 is no header
  EXPECT_EQ(messages.Texts(), (Texts{"Неверные входные параметры для LoopChain_Sorting()!",
                                     "Неверные входные параметры для LoopChain_Sorting()!"}));
  messages.Clear();
  LoopChain_Sorting(g, scheme, messages, 2, 3);
  EXPECT_EQ(messages.Texts()[0], "LoopChain_Sorting: Не удалось упорядочить контур!");
}

TEST_F(HandMadeGraph, GroupSortingPutsEachRowBehindItsProducer) {
  g.Reset(6, 8);
  g.S = 1;
  g.R = 4;
  g.rows[0] = {1, 1, 1, 2, 0, 0, 0, 0};
  g.rows[1] = {2, 2, 1, 3, 3, 0, 0, 0};  // reads row 2
  g.rows[2] = {3, 3, 1, 3, 4, 0, 0, 0};  // reads row 3
  g.rows[3] = {4, 4, 1, 3, 1, 0, 0, 0};  // reads the source
  Sorting_in_group(g, messages, 1, 3);
  EXPECT_EQ(messages.Texts(), Texts{});
  EXPECT_EQ(g.rows[1], (Row{4, 4, 1, 3, 1, 0, 0, 0}));
  EXPECT_EQ(g.rows[2], (Row{3, 3, 1, 3, 2, 0, 0, 0}));
  EXPECT_EQ(g.rows[3], (Row{2, 2, 1, 3, 3, 0, 0, 0}));
}

TEST_F(HandMadeGraph, GroupSortingReportsASingleRowAndAHeaderInTheRange) {
  g.Reset(4, 8);
  g.S = 1;
  g.R = 3;
  g.rows[0] = {1, 1, 1, 2, 0, 0, 0, 0};
  g.rows[1] = {0, -1, 1, 0, 0, 0, 0, 0};
  g.rows[2] = {2, 2, 1, 3, 1, 0, 0, 0};
  Sorting_in_group(g, messages, 2, 2);
  EXPECT_EQ(messages.Texts(), Texts{"Sorting_in_group: Неверный входной диапазон индексов!"});
  messages.Clear();
  Sorting_in_group(g, messages, 1, 2);
  EXPECT_EQ(messages.Texts(), Texts{"Sorting_in_group: Попался контур, которого не должно быть!"});
}

// Runs sorting passes over rows [1, last] until one moves nothing; each pass
// that asks for another leaves the graph unbuilt, the quiet one builds it.
int SortUntilQuiet(ChainGraph& g, const Scheme& scheme, Messenger& messenger, int last) {
  for (int passes = 1; passes <= 20; ++passes) {
    const bool again = Big_Sorting(g, scheme, messenger, 1, last);
    EXPECT_EQ(g.built, !again) << "pass " << passes;
    if (!again) return passes;
  }
  ADD_FAILURE() << "the passes never settle";
  return 0;
}

// Without contours the passes only bring producers in front of their
// consumers, one move per pass.
TEST_F(HandMadeGraph, SortingBringsProducersInFront) {
  g.Reset(5, 8);
  g.S = 1;
  g.R = 4;
  g.rows[0] = {1, 1, 1, 2, 0, 0, 0, 0};
  g.rows[1] = {2, 2, 1, 3, 3, 0, 0, 0};  // reads row 2
  g.rows[2] = {3, 3, 1, 3, 4, 0, 0, 0};  // reads row 3
  g.rows[3] = {4, 4, 1, 3, 1, 0, 0, 0};  // reads the source
  EXPECT_EQ(SortUntilQuiet(g, scheme, messages, 3), 3);
  EXPECT_EQ(messages.Texts(), Texts{});
  EXPECT_EQ(g.rows[1], (Row{4, 4, 1, 3, 1, 0, 0, 0}));
  EXPECT_EQ(g.rows[2], (Row{3, 3, 1, 3, 2, 0, 0, 0}));
  EXPECT_EQ(g.rows[3], (Row{2, 2, 1, 3, 3, 0, 0, 0}));
}

// Contour A reads C, which stands behind contour B and reads only the
// source; B reads F, which reads A. Moving A's contour behind B's (and B's
// behind A's, pass after pass) never settles: C has to come up instead.
TEST_F(HandMadeGraph, AContourBringsUpAProducerThatStandsBehindAnotherContour) {
  g.Reset(8, 8);
  g.S = 1;
  g.R = 7;
  g.rows[0] = {1, 1, 1, 2, 0, 0, 0, 0};
  g.rows[1] = {2, 2, 1, 3, 4, 0, 0, 0};  // F reads A
  g.rows[2] = {0, -1, 1, 0, 0, 0, 0, 0};
  g.rows[3] = {3, 3, 1, 4, 4, 7, 0, 0};  // A reads itself and C
  g.rows[4] = {0, -2, 1, 0, 0, 0, 0, 0};
  g.rows[5] = {4, 4, 1, 4, 2, 6, 0, 0};  // B reads F and itself
  g.rows[6] = {5, 5, 1, 3, 1, 0, 0, 0};  // C reads the source
  EXPECT_EQ(SortUntilQuiet(g, scheme, messages, 6), 3);
  EXPECT_EQ(messages.Texts(), Texts{});
  EXPECT_EQ(g.rows[1], (Row{5, 5, 1, 3, 1, 0, 0, 0}));
  EXPECT_EQ(g.rows[2], (Row{0, -1, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(g.rows[3], (Row{3, 3, 1, 4, 2, 4, 0, 0}));
  EXPECT_EQ(g.rows[4], (Row{2, 2, 1, 3, 4, 0, 0, 0}));
  EXPECT_EQ(g.rows[5], (Row{0, -2, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(g.rows[6], (Row{4, 4, 1, 4, 5, 7, 0, 0}));
}

// The contour reads Fa, Fa reads Fc, Fc reads Fb, all behind it. Fa brought
// up in front of the contour would go back behind Fc, and come up again, for
// ever: the contour goes down behind the chains it needs instead.
TEST_F(HandMadeGraph, AContourGoesBehindAProducerThatReadsARowInBetween) {
  g.Reset(7, 8);
  g.S = 1;
  g.R = 6;
  g.rows[0] = {1, 1, 1, 2, 0, 0, 0, 0};
  g.rows[1] = {0, -1, 1, 0, 0, 0, 0, 0};
  g.rows[2] = {2, 2, 1, 4, 3, 4, 0, 0};  // X reads itself and Fa
  g.rows[3] = {3, 3, 1, 3, 6, 0, 0, 0};  // Fa reads Fc
  g.rows[4] = {4, 4, 1, 3, 1, 0, 0, 0};  // Fb reads the source
  g.rows[5] = {5, 5, 1, 3, 5, 0, 0, 0};  // Fc reads Fb
  EXPECT_EQ(SortUntilQuiet(g, scheme, messages, 5), 4);
  EXPECT_EQ(messages.Texts(), Texts{});
  EXPECT_EQ(g.rows[1], (Row{4, 4, 1, 3, 1, 0, 0, 0}));
  EXPECT_EQ(g.rows[2], (Row{5, 5, 1, 3, 2, 0, 0, 0}));
  EXPECT_EQ(g.rows[3], (Row{3, 3, 1, 3, 3, 0, 0, 0}));
  EXPECT_EQ(g.rows[4], (Row{0, -1, 1, 0, 0, 0, 0, 0}));
  EXPECT_EQ(g.rows[5], (Row{2, 2, 1, 4, 4, 6, 0, 0}));
}

// A cycle inside the group never settles; the move limit (3! = 6) ends it.
TEST_F(HandMadeGraph, GroupSortingStopsAtItsMoveLimit) {
  g.Reset(6, 8);
  g.S = 1;
  g.R = 4;
  g.rows[0] = {1, 1, 1, 2, 0, 0, 0, 0};
  g.rows[1] = {2, 2, 1, 3, 4, 0, 0, 0};
  g.rows[2] = {3, 3, 1, 3, 2, 0, 0, 0};
  g.rows[3] = {4, 4, 1, 3, 3, 0, 0, 0};
  Sorting_in_group(g, messages, 1, 3);
  EXPECT_EQ(messages.Texts(), Texts{});
  // Each move puts the first row behind the last; seven moves in all.
  EXPECT_EQ(g.rows[1][0], 3);
  EXPECT_EQ(g.rows[2][0], 4);
  EXPECT_EQ(g.rows[3][0], 2);
}

}  // namespace
}  // namespace kortiv
