#include "calc/calculate_scheme.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <future>
#include <limits>
#include <thread>

#include "calc/contour.h"
#include "calc_fixture.h"

namespace kortiv {
namespace {

class CalculateSchemeTest : public ::testing::Test, public test::CalcFixture {
 protected:
  // A step of height 1 from t = 0.
  int Step(int control_point = 0) { return Add(101, {1, 0}, control_point); }

  // Row 0 a step source; a contour of one summator row that subtracts its
  // own previous output: y(j) = 1 - y(j - 1).
  void SelfFedSummator(int summator_control_point) {
    AddRow(1, Step());
    AddHeader(1, 1);
    AddRow(2, Add(13, {}, summator_control_point), {1, -3});
  }
};

TEST_F(CalculateSchemeTest, TimeRunFillsMomentsAndControlPoints) {
  AddRow(0, Add(100, {2, 1}, 1));
  AddRow(0, Step(2));
  CalculateScheme(context);
  ASSERT_EQ(run.last_point, 500);
  ASSERT_EQ(run.result_store.size(), 3u * 501);
  EXPECT_EQ(run.result_store[30], MomentOfPoint(10, 0, 0.01f));
  EXPECT_FLOAT_EQ(run.result_store[31], 2 * std::sin(0.1f));
  EXPECT_EQ(run.result_store[32], 1);
  EXPECT_EQ(run.Moment(500), 5.0f);
  EXPECT_TRUE(run.results_ready);
  EXPECT_FALSE(run.calculating);
  EXPECT_EQ(run.data_chains.size(), 1u);  // no nodes
  EXPECT_EQ(status.phase_history,
            (std::vector<std::string>{"Идёт расчёт схемы", "Расчёт схемы завершён."}));
  EXPECT_EQ(status.panels[1], "Продолжительность расчёта: 0:00:00");
  EXPECT_TRUE(messenger.entries.empty());
}

TEST_F(CalculateSchemeTest, DivergenceShortensTheRunAndIsReportedAtItsEnd) {
  // A differentiator meets a jump of 1e10 in one step of 0.01 at point 120.
  AddRow(0, Add(101, {1e10f, 1.195f}), {}, {Add(202, {1}, 1), Add(200, {1}, 2)});
  CalculateScheme(context);
  EXPECT_EQ(run.last_point, 120);
  EXPECT_EQ(messenger.Texts(),
            std::vector<std::string>{
                "Расчет прерван из-за расходимости процесса! Число расчитываемых точек было "
                "уменьшено. Проверте схему, величины параметров элементов, может необходимо "
                "уменьшить шаг счёта."});
  EXPECT_FALSE(run.diverged);
  EXPECT_TRUE(run.results_ready);
  EXPECT_EQ(status.panels[0], "Расчёт схемы завершён.");
  // The element after the divergence still stores the range that is left.
  EXPECT_NE(run.ResultAt(120, 1), 0);
  EXPECT_EQ(run.ResultAt(120, 2), run.ResultAt(120, 1));
}

TEST_F(CalculateSchemeTest, DivergenceInsideAContourKeepsTheElementsControlPoints) {
  // e(j) = 1 - y(j - 1) through a differentiator, y = (e(j) - e(j - 1))/h:
  // y grows a hundredfold a point and passes 1e11 at point 5, where the
  // contour ends. Its elements' control points still get points 0..5.
  AddRow(1, Step());
  AddHeader(1, 1);
  AddRow(2, Add(13, {}, 1), {1, -3}, {Add(202, {1}, 2)});
  CalculateScheme(context);
  ASSERT_EQ(run.last_point, 5);
  std::vector<double> y;
  double previous_error = 0;
  for (int j = 0; j <= 5; ++j) {
    const double error = 1 - (y.empty() ? 0 : y.back());
    y.push_back((error - previous_error) / static_cast<double>(0.01f));
    previous_error = error;
    EXPECT_EQ(run.ResultAt(j, 1), static_cast<float>(error)) << j;
    EXPECT_FLOAT_EQ(run.ResultAt(j, 2), static_cast<float>(y.back())) << j;
  }
  EXPECT_TRUE(run.results_ready);
  EXPECT_EQ(messenger.entries.size(), 1u);
}

TEST_F(CalculateSchemeTest, ForksAndSummatorsCarryTheSeriesAlongTheRows) {
  SetIntegration(0, 0.25f, 1);
  const int sum = Add(12, {}, 1);
  AddRow(1, Step());            // row 0: node 1
  AddRow(2, Add(106, {3, 1}));  // row 1: square wave, node 2
  AddRow(3, Add(7), {1});       // row 2: fork of the step, node 3
  AddRow(0, sum, {2, 3, -3});   // row 3: step + wave - step
  CalculateScheme(context);
  EXPECT_EQ(ControlPointValues(1), (std::vector<float>{3, 3, -3, -3, 3}));
}

TEST_F(CalculateSchemeTest, SummatorFedBackThroughItsOwnOutputUsesThePreviousPoint) {
  SetIntegration(0, 1, 5);
  SelfFedSummator(1);
  CalculateScheme(context);
  EXPECT_EQ(ControlPointValues(1), (std::vector<float>{1, 0, 1, 0, 1, 0}));
  EXPECT_TRUE(run.results_ready);
}

TEST_F(CalculateSchemeTest, ContourProgressRisesToAHundredPercent) {
  SetIntegration(0, 1, 1);
  AddRow(1, Step());
  AddHeader(1, 2);
  AddRow(2, Add(9), {1, 4});
  AddRow(3, Add(5), {3});
  CalculateScheme(context);
  EXPECT_EQ(status.phase_history,
            (std::vector<std::string>{"Идёт расчёт схемы", "Идёт расчёт схемы: 25.0%",
                                      "Идёт расчёт схемы: 50.0%", "Идёт расчёт схемы: 75.0%",
                                      "Идёт расчёт схемы: 100.0%", "Расчёт схемы завершён."}));
}

TEST_F(CalculateSchemeTest, ProgressUsesTheGivenSeparatorAndCanBeSwitchedOff) {
  SetIntegration(0, 1, 1);
  SelfFedSummator(0);
  context.decimal_separator = ',';
  CalculateScheme(context);
  EXPECT_EQ(status.phase_history[1], "Идёт расчёт схемы: 50,0%");

  settings.PercentView = false;
  status.phase_history.clear();
  CalculateScheme(context);
  EXPECT_EQ(status.phase_history.size(), 2u);
}

TEST_F(CalculateSchemeTest, StopDuringAContourEndsTheRunWithoutResults) {
  SetIntegration(0, 1, 100);
  SelfFedSummator(1);
  int steps = 0;
  status.on_text = [&](int, std::string_view text) {
    if (text.starts_with("Идёт расчёт схемы:") && ++steps == 3) run.stop_requested = true;
  };
  CalculateScheme(context);
  EXPECT_EQ(steps, 3);
  EXPECT_EQ(status.panels[0], "Расчёт схемы прерван.");
  EXPECT_EQ(status.panels[1], "");
  EXPECT_FALSE(run.results_ready);
  EXPECT_FALSE(run.calculating);
  EXPECT_FALSE(run.stop_requested);
  EXPECT_TRUE(run.data_chains.empty());
}

TEST_F(CalculateSchemeTest, RunOnAWorkerThreadStopsWhenAnotherThreadAsks) {
  SetIntegration(0, 1, 100);
  SelfFedSummator(1);
  std::promise<void> progress_shown;
  int steps = 0;
  status.on_text = [&](int, std::string_view text) {
    if (!text.starts_with("Идёт расчёт схемы:") || ++steps != 2) return;
    progress_shown.set_value();
    while (!run.stop_requested) std::this_thread::yield();
  };
  std::thread worker([&] { CalculateScheme(context); });
  progress_shown.get_future().wait();
  run.stop_requested = true;
  worker.join();
  EXPECT_EQ(steps, 2);
  EXPECT_EQ(status.panels[0], "Расчёт схемы прерван.");
  EXPECT_FALSE(run.results_ready);
}

TEST_F(CalculateSchemeTest, BadContourCodingIsReportedAndTheRunGoesOn) {
  AddRow(1, Step());
  AddHeader(1, 1);
  AddRow(0, Add(5), {1});
  AddRow(0, Step(1));
  SetIntegration(0, 1, 2);
  CalculateScheme(context);
  graph.rows[1][2] = 5;  // runs past the table
  CalculateScheme(context);
  EXPECT_EQ(messenger.Texts(),
            (std::vector<std::string>{"Ошибка на входе контура! Расчет невозможен.",
                                      "Неправильная кодировка контура! Расчет невозможен."}));
  EXPECT_EQ(ControlPointValues(1), (std::vector<float>{1, 1, 1}));
  EXPECT_TRUE(run.results_ready);
}

TEST_F(CalculateSchemeTest, ContourOpeningWithAnUnknownGroupIsReportedTwice) {
  AddRow(1, Step());
  AddHeader(1, 1);
  AddRow(0, Add(650), {1});
  SetIntegration(0, 1, 2);
  CalculateScheme(context);
  EXPECT_EQ(messenger.Texts(),
            (std::vector<std::string>{"Error: Неверное значение кода группы элементов!",
                                      "Ошибка на входе контура! Расчет невозможен."}));
  EXPECT_TRUE(run.results_ready);
}

TEST_F(CalculateSchemeTest, FrequencyRunWritesFrequenciesAndComplexValues) {
  AddRow(1, Add(112, {0, 1, 0, 0, 4}));
  AddRow(0, Add(5, {}, 1), {1});
  graph.has_sweep_generator = true;
  CalculateScheme(context);
  ASSERT_EQ(run.kind, RunKind::kFrequency);
  ASSERT_EQ(run.last_point, 4);
  EXPECT_EQ(run.result_store,
            (std::vector<float>{1, 1, 0, 3.25f, 1, 0, 5.5f, 1, 0, 7.75f, 1, 0, 10, 1, 0}));
  EXPECT_EQ(run.freq_plot_kind, 0);
}

TEST_F(CalculateSchemeTest, FrequencyRunsRefuseFeedbackAndAForeignFirstSource) {
  AddRow(1, Add(112, {0, 1, 0, 0, 4}));
  AddHeader(1, 1);
  AddRow(2, Add(9, {}, 1), {1, -3});
  graph.has_sweep_generator = true;
  run.results_ready = true;
  run.result_store = {1, 2, 3};
  CalculateScheme(context);
  graph.rows.erase(graph.rows.begin() + 1, graph.rows.end());
  graph.R = 1;
  graph.rows[0][1] = Step();
  CalculateScheme(context);
  EXPECT_EQ(messenger.Texts(),
            (std::vector<std::string>{"ЧХ в цепях с ОС ещё не строим!", "Первый элемент не ГКЧ!"}));
  EXPECT_EQ(run.result_store, (std::vector<float>{1, 2, 3}));
  EXPECT_TRUE(run.results_ready);
  EXPECT_FALSE(run.calculating);
}

TEST_F(CalculateSchemeTest, ImpossibleParametersFromAFileAreRefused) {
  AddRow(0, Step(1));
  SetIntegration(0, 0, 5);
  CalculateScheme(context);
  SetIntegration(5, 0.01f, 5);
  CalculateScheme(context);
  SetIntegration(0, 1e-9f, 1000);
  CalculateScheme(context);
  graph.rows[0][1] = Add(112, {2, 2, 0, 0, 10});
  graph.has_sweep_generator = true;
  CalculateScheme(context);
  graph.rows[0][1] = Add(112, {0, 2, 0, 0, 0});
  CalculateScheme(context);
  EXPECT_EQ(messenger.Texts(),
            (std::vector<std::string>{"Шаг интегрирования должен быть положительным!",
                                      "Начальный момент должен быть меньше конечного!",
                                      "Слишком большое число точек расчёта!",
                                      "Величина m должна быть меньше величины n!",
                                      "Число точек на декаду должно быть больше 1!"}));
  EXPECT_FALSE(run.results_ready);
  EXPECT_EQ(status.panels[0], "");
}

// The sanitizer's allocator stops the program instead of failing the
// allocation.
#ifndef __SANITIZE_ADDRESS__
TEST_F(CalculateSchemeTest, RunBeyondMemoryIsRefusedAndKeepsTheEarlierResults) {
  SetIntegration(0, 1, 100000);
  AddRow(0, Step(1));
  CalculateScheme(context);
  ASSERT_TRUE(run.results_ready);
  const std::vector<float> earlier = run.result_store;
  graph.K = std::numeric_limits<int>::max();  // DataChains beyond any address space
  SetIntegration(0, 1, 200000);
  CalculateScheme(context);
  EXPECT_EQ(messenger.Texts(), std::vector<std::string>{"Недостаточно памяти для расчёта."});
  EXPECT_TRUE(run.results_ready);
  EXPECT_FALSE(run.calculating);
  EXPECT_EQ(run.last_point, 100000);
  EXPECT_EQ(run.result_store, earlier);
}
#endif

// Found by the fuzzer: a model file with an infinite step gave moments that
// are no numbers.
TEST_F(CalculateSchemeTest, AnInfiniteStepIsRefusedAndTheEarlierResultsStay) {
  AddRow(0, Step(1));
  CalculateScheme(context);
  ASSERT_TRUE(run.results_ready);
  SetIntegration(0, std::numeric_limits<float>::infinity(), 1);
  CalculateScheme(context);
  EXPECT_EQ(messenger.Texts(), std::vector<std::string>{"Шаг интегрирования велик!"});
  EXPECT_TRUE(run.results_ready);
  EXPECT_EQ(run.last_point, 500);
}

TEST_F(CalculateSchemeTest, AnalysesAGraphThatIsNotBuilt) {
  AddRow(0, Step(1));
  graph.built = false;
  int analyses = 0;
  context.analyse = [&] { ++analyses; };
  CalculateScheme(context);
  EXPECT_EQ(analyses, 1);
  EXPECT_FALSE(run.results_ready);
  EXPECT_TRUE(status.phase_history.empty());

  context.analyse = [&] { graph.built = true; };
  CalculateScheme(context);
  EXPECT_TRUE(run.results_ready);
}

TEST_F(CalculateSchemeTest, PhasePortraitNeedsPairsOfPointsAndNoSweepGenerator) {
  AddRow(0, Step(1));
  EXPECT_FALSE(CalculatePhasePortrait(context));
  AddRow(0, Step(2));
  EXPECT_TRUE(CalculatePhasePortrait(context));
  graph.has_sweep_generator = true;
  EXPECT_FALSE(CalculatePhasePortrait(context));
  EXPECT_EQ(messenger.Texts(),
            (std::vector<std::string>{
                "Для построения фазового портрета в схеме должно быть отмечено чётное число "
                "точек, причём: нечётные - для оси абсцисс x, а чётные - для оси ординат y.",
                "Фазовый портрет в схеме с ГКЧ не строится!"}));
}

}  // namespace
}  // namespace kortiv
