#include "results/column_extremes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "series/run_state.h"

namespace kortiv {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

// A time run with two control points and three points.
void FillThreePoints(RunState& run) {
  run.kind = RunKind::kTime;
  run.control_points = 2;
  run.last_point = 2;
  run.result_store = {0.0f, 1.0f,  -4.0f,  //
                      0.5f, 3.0f,  kNaN,   //
                      1.0f, -2.0f, 7.0f};
}

TEST(ColumnExtremes, EveryColumnOverAllPointsPassingOverNaN) {
  RunState run;
  FillThreePoints(run);
  const ColumnExtremes extremes = CollectExtremes(run);
  ASSERT_EQ(extremes.columns.size(), 3u);
  EXPECT_EQ(extremes.columns[0].min, 0.0f);
  EXPECT_EQ(extremes.columns[0].max, 1.0f);
  EXPECT_EQ(extremes.columns[1].min, -2.0f);
  EXPECT_EQ(extremes.columns[1].max, 3.0f);
  EXPECT_EQ(extremes.columns[2].min, -4.0f);
  EXPECT_EQ(extremes.columns[2].max, 7.0f);
}

TEST(ColumnExtremes, OnlyPointsUpToTheLastOneCount) {
  RunState run;
  FillThreePoints(run);
  run.last_point = 1;  // lowered by divergence; the third row is stale
  const ColumnExtremes extremes = CollectExtremes(run);
  EXPECT_EQ(extremes.columns[1].min, 1.0f);
  EXPECT_EQ(extremes.columns[2].max, -4.0f);
}

TEST(ColumnExtremes, GroupsOfColumns) {
  RunState run;
  run.kind = RunKind::kFrequency;
  run.control_points = 2;
  run.last_point = 1;
  run.result_store = {1.0f, 2.0f, -0.5f, 8.0f, -3.0f,  //
                      2.0f, 1.0f, -1.5f, 0.5f, 0.25f};
  const ColumnExtremes extremes = CollectExtremes(run);
  const ValueRange amplitudes = extremes.Over(1, 2);
  EXPECT_EQ(amplitudes.min, 0.5f);
  EXPECT_EQ(amplitudes.max, 8.0f);
  const ValueRange phases = extremes.Over(2, 2);
  EXPECT_EQ(phases.min, -3.0f);
  EXPECT_EQ(phases.max, 0.25f);
  const ValueRange all = extremes.Over(1, 1);
  EXPECT_EQ(all.min, -3.0f);
  EXPECT_EQ(all.max, 8.0f);
}

TEST(ColumnExtremes, AColumnWithoutNumbersHasNoExtremes) {
  RunState run;
  run.control_points = 1;
  run.last_point = 1;
  run.result_store = {0.0f, kNaN, 1.0f, kNaN};
  const ColumnExtremes extremes = CollectExtremes(run);
  EXPECT_TRUE(std::isnan(extremes.columns[1].min));
  EXPECT_TRUE(std::isnan(extremes.columns[1].max));
  EXPECT_TRUE(std::isnan(extremes.Over(1, 1).max));
  EXPECT_TRUE(std::isnan(extremes.Over(3, 2).min));  // no such column
}

}  // namespace
}  // namespace kortiv
