// Values the results cannot hold (not finite, or beyond the largest 32-bit
// float) end the run at the last sound point, as a divergence does.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/calculate_scheme.h"
#include "calc/runaway.h"
#include "calc_fixture.h"

namespace kortiv {
namespace {

const std::string kDivergence =
    "Расчет прерван из-за расходимости процесса! Число расчитываемых точек было уменьшено. "
    "Проверте схему, величины параметров элементов, может необходимо уменьшить шаг счёта.";

constexpr double kFloatMax = std::numeric_limits<float>::max();

class RunawayValues : public ::testing::Test, public test::CalcFixture {
 protected:
  int Step(float height = 1) { return Add(101, {height, 0}); }

  // Every stored value of points 0..N is a number the results can hold.
  void ExpectStoreSound() {
    for (int j = 0; j <= run.last_point; ++j) {
      for (int e = 0; e < run.RowWidth(); ++e) {
        ASSERT_TRUE(std::isfinite(run.ResultAt(j, e))) << "point " << j << ", entry " << e;
      }
    }
  }
};

TEST(Runaway, ValuesBeyondTheLargestFloatOrNotNumbersAreRunaway) {
  EXPECT_FALSE(IsRunaway(0));
  EXPECT_FALSE(IsRunaway(-kFloatMax));
  EXPECT_FALSE(IsRunaway(kFloatMax));
  EXPECT_TRUE(IsRunaway(std::nextafter(kFloatMax, 1e300)));
  EXPECT_TRUE(IsRunaway(-1e39));
  EXPECT_TRUE(IsRunaway(std::numeric_limits<double>::infinity()));
  EXPECT_TRUE(IsRunaway(std::nan("")));
}

TEST(Runaway, TheRunEndsBeforeTheFirstRunawayPointOnly) {
  RunState run;
  run.last_point = 10;
  CutRunAtRunaway(run, Series{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0, 10);
  EXPECT_FALSE(run.diverged);
  EXPECT_EQ(run.last_point, 10);
  // Only the points asked for are looked at.
  Series series{1, 2, 3, 1e39, 5, std::nan(""), 7, 8, 9, 10, 11};
  CutRunAtRunaway(run, series, 6, 10);
  EXPECT_FALSE(run.diverged);
  CutRunAtRunaway(run, series, 4, 10);
  EXPECT_TRUE(run.diverged);
  EXPECT_EQ(run.last_point, 4);
  CutRunAtRunaway(run, series, 0, 10);
  EXPECT_EQ(run.last_point, 2);
  EXPECT_FALSE(run.stop_requested);
  // An earlier cut stays.
  CutRunAtRunaway(run, Series{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -1e300}, 0, 10);
  EXPECT_EQ(run.last_point, 2);
  // In a frequency run either component counts.
  RunState frequency;
  frequency.kind = RunKind::kFrequency;
  frequency.last_point = 2;
  CutRunAtRunaway(frequency, Series{1, 1, 2, std::nan(""), 3, 3}, 0, 2);
  EXPECT_EQ(frequency.last_point, 0);
}

// The stored results have the last word: whatever moved LastPoint since,
// the run ends before the first row that holds no number.
TEST(Runaway, StoredResultsEndTheRunBeforeTheirFirstRunawayRow) {
  RunState run;
  run.control_points = 2;
  run.last_point = 4;
  run.result_store.assign(3 * 5, 1.0f);
  CutRunAtRunawayResults(run);
  EXPECT_FALSE(run.diverged);
  EXPECT_EQ(run.last_point, 4);
  run.ResultAt(3, 2) = std::numeric_limits<float>::infinity();
  CutRunAtRunawayResults(run);
  EXPECT_TRUE(run.diverged);
  EXPECT_EQ(run.last_point, 2);
  run.ResultAt(0, 0) = std::nanf("");
  CutRunAtRunawayResults(run);
  EXPECT_TRUE(run.stop_requested);
}

// An aperiodic element with T = 0.004 at h = 0.01 swings ever wider; the run
// ends just before its output passes the largest float.
TEST_F(RunawayValues, AnUnstableStepEndsAtItsLastSoundPoint) {
  SetIntegration(0, 0.01f, 5);
  const int lag = Add(204, {1, 0.004f, 0}, 1);
  AddRow(0, Step(), {}, {lag});
  CalculateScheme(context);
  EXPECT_EQ(messenger.Texts(), std::vector<std::string>{kDivergence});
  EXPECT_TRUE(run.results_ready);
  EXPECT_FALSE(run.diverged);
  ASSERT_GT(run.last_point, 10);
  ASSERT_LT(run.last_point, 500);
  ExpectStoreSound();
  // Cut at the last sound point, not earlier: the swing is by 1.5 a step.
  EXPECT_GT(std::abs(run.ResultAt(run.last_point, 1)), kFloatMax / 4);
  EXPECT_EQ(status.phase_history.back(), "Расчёт схемы завершён.");
}

// A summator fed back through a gain of 10: y(j) = 10 (1 + y(j - 1)).
TEST_F(RunawayValues, ARunawayContourEndsAtItsLastSoundPoint) {
  SetIntegration(0, 0.01f, 5);
  AddRow(1, Step());
  AddHeader(1, 1);
  AddRow(2, Add(9), {1, 3}, {Add(200, {10}, 1)});
  CalculateScheme(context);
  EXPECT_EQ(messenger.Texts(), std::vector<std::string>{kDivergence});
  EXPECT_TRUE(run.results_ready);
  // 10 + 10^2 + ... passes 3.4e38 at point 38.
  EXPECT_EQ(run.last_point, 37);
  ExpectStoreSound();
  EXPECT_FLOAT_EQ(run.ResultAt(37, 1), 1.1111111e38f);
}

// A chain after the one that ran away keeps to the shortened run.
TEST_F(RunawayValues, LaterChainsKeepToTheShortenedRun) {
  SetIntegration(0, 0.01f, 5);
  AddRow(1, Step(), {}, {Add(204, {1, 0.004f, 0})});
  AddRow(0, Add(5), {1}, {Add(200, {2}, 1)});
  CalculateScheme(context);
  EXPECT_EQ(messenger.Texts(), std::vector<std::string>{kDivergence});
  ASSERT_LT(run.last_point, 500);
  ExpectStoreSound();
}

// Nothing sound at all: the run stops, with the divergence named.
TEST_F(RunawayValues, ARunawayFirstPointStopsTheRun) {
  AddRow(0, Step(10), {}, {Add(200, {3e38f}, 1)});
  CalculateScheme(context);
  EXPECT_EQ(messenger.Texts(), std::vector<std::string>{kDivergence});
  EXPECT_FALSE(run.results_ready);
  EXPECT_FALSE(run.calculating);
  EXPECT_FALSE(run.stop_requested);
  EXPECT_EQ(status.phase_history.back(), "Расчёт схемы прерван.");
}

// Found by the fuzzer: a sweep up to 10^134 rad/s wrote frequencies beyond
// the float range. The run ends at the last frequency the results can hold.
TEST_F(RunawayValues, ASweepBeyondTheFloatRangeEndsAtItsLastSoundFrequency) {
  const int sweep = Add(112, {0.1f, 45.1f, 0.1f, 0.1f, 2.1f});
  AddRow(0, sweep, {}, {Add(204, {1, 1, 0}, 1)});
  graph.has_sweep_generator = true;
  CalculateScheme(context);
  EXPECT_EQ(messenger.Texts(), std::vector<std::string>{kDivergence});
  ASSERT_TRUE(run.results_ready);
  // 10^38 and 5.5 10^38 a decade later: two points a decade from 10^0.
  EXPECT_EQ(run.last_point, 76);
  EXPECT_FLOAT_EQ(run.Moment(76), 1e38f);
  ExpectStoreSound();
}

}  // namespace
}  // namespace kortiv
