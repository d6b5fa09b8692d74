// Every fault that stops the analysis, with its message and what it leaves
// behind.
#include <gtest/gtest.h>

#include "analysis_fixture.h"
#include "model/clipboard.h"

namespace kortiv {
namespace {

using test::AnalysisBench;
using Texts = std::vector<std::string>;

constexpr const char* kAnalysing = "Идёт анализ схемы";

// Every stop before the coverage test leaves the flag as it was, set or
// clear, and the status bar at the start of the analysis.
TEST(AnalysisStops, StopsBeforeTheWalkEndsLeaveTheFlagAsItWas) {
  const struct {
    std::initializer_list<test::Placed> elements;
    bool with_params;
    const char* text;
  } stops[] = {
      {{}, true, "В схеме не найдены источники сигналов!"},
      {{{1, 1, 200, 0}}, true, "В схеме не найдены источники сигналов!"},
      {{{1, 1, 112, 0}, {3, 1, 101, 0}},
       true,
       "ГКЧ в схеме должен быть единственным источником сигнала!"},
      {{{1, 1, 112, 0}, {1, 2, 300, 0}},
       true,
       "В схеме есть нелинейные элементы. Построение частотных характеристик невозможно!"},
      {{{1, 1, 101, 0}, {1, 2, 200, 0}}, false, "Для 2-х элементов не заданы параметры!"},
      {{{0, 0, 101, 0}, {0, 1, 200, 2}},
       true,
       "В схеме есть неверно развёрнутые элементы!\n Расчет невозможен."},
      {{{0, 0, 2, 0}, {0, 0, 101, 0}, {0, 1, 2, 1}, {1, 1, 2, 2}, {1, 0, 2, 3}},
       true,
       "В схеме есть элементы соединенные в петлю!\nРасчет невозможен."},
      {{{0, 0, 101, 0}, {0, 0, 101, 0}, {0, 1, 5, 0}, {0, 2, 200, 0}},
       true,
       "Ошибка запоминания разветвления! Расчет невозможен."},
  };
  for (const auto& stop : stops) {
    for (bool built : {false, true}) {
      AnalysisBench b;
      test::Place(b.scheme, stop.elements, stop.with_params);
      b.graph.built = built;
      EXPECT_EQ(b.Analyse(), Texts{stop.text});
      EXPECT_EQ(b.graph.built, built) << stop.text;
      EXPECT_EQ(b.status.phase_history, Texts{kAnalysing}) << stop.text;
    }
  }
}

TEST(AnalysisStops, SweepGeneratorMustBeTheOnlySourceAndSeeNoNonlinearElement) {
  AnalysisBench second_source;
  test::Place(second_source.scheme, {{1, 1, 112, 0}, {3, 1, 101, 0}, {1, 2, 300, 0}});
  EXPECT_EQ(second_source.Analyse(),
            Texts{"ГКЧ в схеме должен быть единственным источником сигнала!"});
  EXPECT_TRUE(second_source.graph.has_sweep_generator);

  for (int code : {300, 308, 500, 507}) {
    AnalysisBench nonlinear;
    test::Place(nonlinear.scheme, {{1, 1, 112, 0}, {1, 2, code, 0}});
    EXPECT_EQ(nonlinear.Analyse(),
              Texts{"В схеме есть нелинейные элементы. Построение частотных характеристик "
                    "невозможно!"})
        << code;
  }
  AnalysisBench linear;
  test::Place(linear.scheme, {{1, 1, 112, 0}, {1, 2, 214, 0}});
  EXPECT_EQ(linear.Analyse(), Texts{});
  EXPECT_TRUE(linear.graph.built);
}

TEST(AnalysisStops, MissingParametersAreCountedInTheMessage) {
  const std::pair<int, const char*> cases[] = {
      {1, "Для одного элемента не заданы параметры!"},
      {2, "Для 2-х элементов не заданы параметры!"},
      {4, "Для 4-х элементов не заданы параметры!"},
      {5, "Для 5-и элементов не заданы параметры!"},
      {6, "Для 6-и элементов не заданы параметры!"},
  };
  for (const auto& [missing, text] : cases) {
    AnalysisBench b;
    test::Place(b.scheme, {{0, 0, 101, 0}, {0, 1, 1, 0}});  // wires take no parameters
    for (int k = 0; k < missing; ++k) {
      test::Place(b.scheme, {{0, 2 + k, 200, 0}}, /*with_params=*/false);
    }
    EXPECT_EQ(b.Analyse(), Texts{text}) << missing;
  }
}

TEST(AnalysisStops, AnInconsistentBlockCountIsNotTakenForMissingParameters) {
  AnalysisBench b;
  test::Place(b.scheme, {{0, 0, 101, 0}, {0, 1, 200, 0}});
  std::vector<ElementRecord> records{b.scheme.Record(1), b.scheme.Record(2)};
  std::vector<float> params(b.scheme.ParamTop(), 1.0f);
  b.scheme.Load(records, params, /*block_count=*/3);  // one more than the blocks
  EXPECT_EQ(b.Analyse(), Texts{});
  EXPECT_TRUE(b.graph.built);
}

TEST(AnalysisStops, WronglyTurnedElementsStopTheWalk) {
  const char* kWrong = "В схеме есть неверно развёрнутые элементы!\n Расчет невозможен.";
  // A source at (0, 0) sends east into the element at (0, 1).
  const std::pair<int, int> wrong[] = {
      {1, 2}, {4, 1}, {4, 2}, {5, 1}, {6, 3}, {7, 1}, {7, 3}, {8, 2}, {12, 2}, {200, 2},
  };
  for (const auto& [code, orientation] : wrong) {
    AnalysisBench b;
    test::Place(b.scheme, {{0, 0, 101, 0}, {0, 1, code, orientation}});
    b.graph.built = false;
    EXPECT_EQ(b.Analyse(), Texts{kWrong}) << code << " turned " << orientation;
    EXPECT_FALSE(b.graph.built);
  }
}

TEST(AnalysisStops, AnElementTurnedAsideEndsTheChainAndHangs) {
  AnalysisBench b;
  test::Place(b.scheme, {{0, 0, 101, 0}, {0, 1, 200, 1}});
  EXPECT_EQ(b.Analyse(), Texts{"В схеме есть 'висящие' элементы! Продолжить расчёт?"});
  EXPECT_TRUE(b.messages.entries[0].question);
  EXPECT_EQ(b.messages.entries[0].caption, "Подтверждение");
  EXPECT_FALSE(b.graph.built);
}

// Two elements that share a cell can only come from a damaged file; the walk
// still ends with a message instead of running for ever.
TEST(AnalysisStops, AChainThatReturnsToItsStartIsALoop) {
  AnalysisBench b;
  test::Place(b.scheme, {{0, 0, 2, 0}, {0, 0, 101, 0}, {0, 1, 2, 1}, {1, 1, 2, 2}, {1, 0, 2, 3}});
  EXPECT_EQ(b.Analyse(), Texts{"В схеме есть элементы соединенные в петлю!\nРасчет невозможен."});
}

TEST(AnalysisStops, AForkReachedTwiceCannotStoreItsInput) {
  AnalysisBench b;
  test::Place(b.scheme, {{0, 0, 101, 0}, {0, 0, 101, 0}, {0, 1, 5, 0}, {0, 2, 200, 0}});
  EXPECT_EQ(b.Analyse(), Texts{"Ошибка запоминания разветвления! Расчет невозможен."});
}

// (1, 1) source -> (1, 2) element; the elements at (3, 3) and (4, 4) lie in
// no chain.
void PlaceSchemeWithHangingElements(Scheme& scheme) {
  test::Place(scheme, {{1, 1, 101, 0, 1},
                       {3, 3, 200, 0, 2},
                       {1, 2, 200, 0, 3},
                       {4, 4, 201, 0, 4},
                       {1, 3, 200, 0, 5}});
}

TEST(AnalysisStops, NoToTheHangingQuestionStops) {
  AnalysisBench b;
  PlaceSchemeWithHangingElements(b.scheme);
  b.graph.built = false;
  EXPECT_EQ(b.Analyse(), Texts{"В схеме есть 'висящие' элементы! Продолжить расчёт?"});
  EXPECT_FALSE(b.graph.built);
  EXPECT_EQ(b.scheme.GetControlPoint(2), 2);
  EXPECT_EQ(b.scheme.ControlPointCount(), 5);
}

// Rows for every source, three per fork, two per summator and two spare;
// columns for the elements outside the heads and ten spare.
TEST(AnalysisStops, TheWalkedTableHasItsInitialSize) {
  AnalysisBench b;
  test::Place(b.scheme, {{0, 0, 101, 0}, {0, 1, 5, 0}, {0, 2, 9, 0}, {5, 5, 200, 0}});
  EXPECT_EQ(b.Analyse(), Texts{"В схеме есть 'висящие' элементы! Продолжить расчёт?"});
  EXPECT_EQ(b.graph.RowCapacity(), 1 + 3 * 1 + 2 * 1 + 2);
  EXPECT_EQ(b.graph.ColumnCapacity(), 4 - 1 - 1 - 1 + 10);
  EXPECT_EQ(b.graph.R, 4);
}

TEST(AnalysisStops, YesTakesTheControlPointsOffHangingElementsAndRenumbers) {
  AnalysisBench b;
  PlaceSchemeWithHangingElements(b.scheme);
  b.messages.answers = {true};
  std::vector<int> redrawn;
  AnalysisHooks hooks;
  hooks.redraw_element = [&](int n) { redrawn.push_back(n); };
  EXPECT_EQ(b.Analyse(hooks), (Texts{"В схеме есть 'висящие' элементы! Продолжить расчёт?",
                                     "С висящего элемента будет удалена точка наблюдения!",
                                     "С висящего элемента будет удалена точка наблюдения!"}));
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.scheme.GetControlPoint(1), 1);
  EXPECT_EQ(b.scheme.GetControlPoint(2), 0);
  EXPECT_EQ(b.scheme.GetControlPoint(3), 2);
  EXPECT_EQ(b.scheme.GetControlPoint(4), 0);
  EXPECT_EQ(b.scheme.GetControlPoint(5), 3);
  EXPECT_EQ(b.scheme.ControlPointCount(), 3);
  // Element 2 loses point 2 (3, 4, 5 move down), then element 4 loses what
  // had become point 3 (element 5 moves down again).
  EXPECT_EQ(redrawn, (std::vector<int>{2, 3, 4, 5, 4, 5}));
  EXPECT_EQ(b.Text(), "S=1 F=0 F3=0 M=0 X=0 R=1 K=0 C=0\n0 1 3 2 3 5\n");
}

// The first analysis went on past the hanging elements; a second one, answered
// No, has already replaced that graph with unfinished rows, which no check
// or calculation may take for a built graph.
TEST(AnalysisStops, NoAfterAnEarlierYesLeavesTheGraphUnbuilt) {
  AnalysisBench b;
  PlaceSchemeWithHangingElements(b.scheme);
  b.messages.answers = {true};
  b.Analyse();
  ASSERT_TRUE(b.graph.built);
  EXPECT_EQ(b.Analyse(), Texts{"В схеме есть 'висящие' элементы! Продолжить расчёт?"});
  EXPECT_FALSE(b.graph.built);
}

TEST(AnalysisStops, UnconnectedSummatorInputClearsTheFlag) {
  AnalysisBench b;
  test::Place(b.scheme, {{0, 0, 101, 0}, {0, 1, 9, 0}, {0, 2, 200, 0}});
  b.graph.built = true;
  EXPECT_EQ(b.Analyse(), Texts{"В схеме есть незадействованные входа!\nРасчет невозможен."});
  EXPECT_FALSE(b.graph.built);
  EXPECT_EQ(b.status.phase_history, Texts{kAnalysing});
}

// A fork that no chain reaches has an unconnected input too, even in a
// scheme without summators.
TEST(AnalysisStops, AForkThatNoChainReachesIsAnUnconnectedInput) {
  AnalysisBench b;
  test::Place(b.scheme, {{0, 0, 101, 0}, {0, 1, 200, 0}, {2, 0, 5, 0}, {2, 1, 200, 0}});
  b.graph.built = true;
  EXPECT_EQ(b.Analyse(), Texts{"В схеме есть незадействованные входа!\nРасчет невозможен."});
  EXPECT_FALSE(b.graph.built);
}

TEST(AnalysisStops, APendingCutIsCancelledFirst) {
  AnalysisBench b;
  test::Place(b.scheme, {{0, 0, 101, 0}, {0, 1, 200, 0}});
  Clipboard clip;
  CutElement(clip, b.scheme, 2, ',');
  std::vector<int> redrawn;
  AnalysisHooks hooks;
  hooks.clipboard = &clip;
  hooks.redraw_element = [&](int n) { redrawn.push_back(n); };
  b.Analyse(hooks);
  EXPECT_EQ(clip.ClipState, kClipCopy);
  EXPECT_EQ(redrawn, std::vector<int>{2});
  redrawn.clear();
  b.Analyse(hooks);
  EXPECT_TRUE(redrawn.empty());
}

TEST(AnalysisCoverage, ACrossingPassedByTwoChainsCountsTwice) {
  AnalysisBench b;
  test::Place(b.scheme,
              {{1, 0, 101, 0}, {1, 1, 4, 0}, {1, 2, 200, 0}, {0, 1, 101, 1}, {2, 1, 201, 1}});
  EXPECT_EQ(b.Analyse(), Texts{});
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.Text(), "S=2 F=0 F3=0 M=0 X=1 R=2 K=0 C=0\n0 1 2 2 3\n0 4 2 2 5\n");
}

// The chain passes both crossings twice, so it holds more elements than the
// scheme has; it is no loop.
TEST(AnalysisCoverage, AChainThroughTwoCrossingsTwiceIsNoLoop) {
  AnalysisBench b;
  test::Place(b.scheme, {{2, 0, 101, 0},
                         {2, 1, 4, 0},
                         {2, 2, 4, 0},
                         {2, 3, 3, 3},
                         {1, 3, 3, 2},
                         {1, 2, 3, 1},
                         {3, 2, 1, 1},
                         {4, 2, 2, 2},
                         {4, 1, 1, 2},
                         {4, 0, 1, 2},
                         {4, -1, 2, 3},
                         {3, -1, 1, 3},
                         {2, -1, 1, 3},
                         {1, -1, 2, 0},
                         {1, 0, 1, 0},
                         {1, 1, 2, 1},
                         {3, 1, 200, 1}});
  EXPECT_EQ(b.Analyse(), Texts{});
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.Text(), "S=1 F=0 F3=0 M=0 X=2 R=1 K=0 C=0\n0 1 2 2 17\n");
}

// Stepping east of the last stored column must not wrap round to the first
// column of the next row, where the packed position would be the same.
TEST(AnalysisCoverage, TheWalkDoesNotWrapRoundTheEdgeOfTheField) {
  AnalysisBench b;
  test::Place(b.scheme, {{0, 4999, 101, 0}, {1, -5000, 200, 0}});
  EXPECT_EQ(b.Analyse(), Texts{"В схеме есть 'висящие' элементы! Продолжить расчёт?"});
}

TEST(AnalysisCoverage, ASourceWithAnEmptyOutputCellIsAChainOfOne) {
  AnalysisBench b;
  test::Place(b.scheme, {{0, 0, 113, 0}});
  EXPECT_EQ(b.Analyse(), Texts{});
  EXPECT_TRUE(b.graph.built);
  EXPECT_EQ(b.Text(), "S=1 F=0 F3=0 M=0 X=0 R=1 K=0 C=0\n0 1 1 2\n");
}

}  // namespace
}  // namespace kortiv
