#include "results/manual_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "axis_ticks_checks.h"
#include "recording_messenger.h"
#include "results/plot_decor.h"
#include "results/plot_state.h"

namespace kortiv {
namespace {

using test::Axis;
using test::Evenly;
using test::ExpectTicks;

using test::RecordingMessenger;

// Automatic axes x 0..5, amplitude 0..1, phase -20..0 (as -2..0 times 10);
// the drawn axes start as a copy.
PlotState AmplitudeAndPhase() {
  PlotState state;
  state.kind = PlotKind::kFrequency;
  state.first_axis = 0;
  state.last_axis = 1;
  state.auto_axes.x = Axis(0, 5, 10);
  state.auto_axes.y[0] = Axis(0, 1, 10);
  state.auto_axes.y[1] = Axis(-2, 0, 10, 1);
  state.axes = FreshAxesFrom(state.auto_axes);
  return state;
}

class ManualScaleTest : public ::testing::Test {
 protected:
  bool Apply(const ManualLimits& limits) { return ApplyManualScales(state_, limits, messenger_); }

  PlotState state_ = AmplitudeAndPhase();
  RecordingMessenger messenger_;
};

TEST_F(ManualScaleTest, LinearLimitsSpreadOverTheSteps) {
  state_.manual_x = true;
  state_.manual_y = true;
  ASSERT_TRUE(Apply({{-1, 3, 8}, {0, 0.5, 5}}));
  EXPECT_TRUE(messenger_.entries.empty());
  ExpectTicks(state_.axes.x, Evenly(-1, 3, 8));
  EXPECT_EQ(state_.axes.x.exponent, 0);
  ExpectTicks(state_.axes.y[0], Evenly(0, 0.5, 5));
  // The phase axis maps 0..1 of amplitude to -20..0: 0..0.5 gives -20..-10.
  ExpectTicks(state_.axes.y[1], Evenly(-20, -10, 5));
  EXPECT_EQ(state_.axes.y[1].exponent, 0);
}

TEST_F(ManualScaleTest, DirectionsWithoutTheFlagGetTheAutomaticAxesBack) {
  state_.axes.x = Axis(7, 8, 2);
  state_.axes.y[0] = Axis(7, 8, 2);
  state_.axes.y[1] = Axis(7, 8, 2, 3);
  ASSERT_TRUE(Apply({{-1, 3, 8}, {0, 0.5, 5}}));
  ExpectTicks(state_.axes.x, Evenly(0, 5, 10));
  ExpectTicks(state_.axes.y[0], Evenly(0, 1, 10));
  ExpectTicks(state_.axes.y[1], Evenly(-2, 0, 10));
  EXPECT_EQ(state_.axes.y[1].exponent, 1);
}

TEST_F(ManualScaleTest, ManyStepsEnlargeTheTickArrays) {
  state_.manual_x = true;
  state_.manual_y = true;
  ASSERT_TRUE(Apply({{0, 50, 50}, {0, 30, 30}}));
  EXPECT_GE(state_.axes.x.ticks.size(), 51u);
  ExpectTicks(state_.axes.x, Evenly(0, 50, 50));
  EXPECT_GE(state_.axes.y[1].ticks.size(), 31u);
  ExpectTicks(state_.axes.y[0], Evenly(0, 30, 30));
  ExpectTicks(state_.axes.y[1], Evenly(-20, 580, 30));
}

TEST_F(ManualScaleTest, WrongHorizontalLimitsStopBeforeTheVertical) {
  state_.manual_x = true;
  state_.manual_y = true;
  for (const ScaleLimits& wrong :
       {ScaleLimits{5, 5, 10}, ScaleLimits{6, 5, 10}, ScaleLimits{std::nan(""), 5, 10}}) {
    messenger_.Clear();
    EXPECT_FALSE(Apply({wrong, {0, 0.5, 5}}));
    EXPECT_EQ(messenger_.Texts(),
              std::vector<std::string>{"Неверно заданы пределы по горизонтали"});
    ExpectTicks(state_.axes.x, Evenly(0, 5, 10));
    ExpectTicks(state_.axes.y[0], Evenly(0, 1, 10));
  }
}

TEST_F(ManualScaleTest, WrongVerticalLimitsAreReportedAfterTheHorizontal) {
  state_.manual_x = true;
  state_.manual_y = true;
  EXPECT_FALSE(Apply({{1, 2, 4}, {0.5, 0.5, 5}}));
  EXPECT_EQ(messenger_.Texts(), std::vector<std::string>{"Неверно заданы пределы по вертикали"});
  ExpectTicks(state_.axes.x, Evenly(1, 2, 4));
  ExpectTicks(state_.axes.y[0], Evenly(0, 1, 10));
}

TEST_F(ManualScaleTest, TickThatMissesZeroByRoundingIsZero) {
  // i (hi - lo) / n + lo leaves 1.39e-17 where -0.1..0.2 in three steps
  // crosses zero; the tick is zero and only the "0" label stands there.
  state_.manual_x = true;
  state_.manual_y = true;
  ASSERT_TRUE(Apply({{-0.1, 0.2, 3}, {-0.2, 0.1, 3}}));
  EXPECT_EQ(state_.axes.x.ticks[1], 0.0f);
  EXPECT_EQ(state_.axes.y[0].ticks[2], 0.0f);
  const PlotDecor decor = LayOutDecor(PlotFrame(640, 400, state_), state_, true, '.');
  for (const Label& label : decor.labels) {
    EXPECT_EQ(label.text.find('E'), std::string::npos) << label.text;
  }
}

TEST_F(ManualScaleTest, SingleValueAxisLeavesTheOtherAlone) {
  state_.first_axis = 1;
  state_.last_axis = 1;
  state_.manual_y = true;
  ASSERT_TRUE(Apply({{}, {-3, 3, 6}}));
  ExpectTicks(state_.axes.y[1], Evenly(-3, 3, 6));
  ExpectTicks(state_.axes.y[0], Evenly(0, 1, 10));
}

TEST_F(ManualScaleTest, LogAxisWithTenStepsHasEveryMultiplierOfEachDecade) {
  state_.log_frequency_axis = true;
  state_.manual_x = true;
  ASSERT_TRUE(Apply({{-1, 1, 10}, {}}));
  std::vector<double> expected{-1};
  for (int d = -1; d <= 0; ++d) {
    for (int q = 2; q <= 10; ++q) expected.push_back(d + std::log10(q));
  }
  ExpectTicks(state_.axes.x, expected);
  EXPECT_EQ(state_.axes.x.exponent, 0);
}

TEST_F(ManualScaleTest, LogAxisTicksStayBetweenTheLimits) {
  state_.log_frequency_axis = true;
  state_.manual_x = true;
  ASSERT_TRUE(Apply({{0.1, 1.5, 10}, {}}));
  std::vector<double> expected{0.1};
  for (int q : {2, 3, 4, 5, 6, 7, 8, 9, 10, 20, 30}) expected.push_back(std::log10(q));
  expected.push_back(1.5);
  ExpectTicks(state_.axes.x, expected);
  // Other step counts give rising ticks too.
  ASSERT_TRUE(Apply({{0, 3, 3}, {}}));
  const AxisTicks& x = state_.axes.x;
  for (int i = 1; i <= x.count; ++i) EXPECT_GT(x.ticks[i], x.ticks[i - 1]) << i;
  EXPECT_EQ(x.Last(), 3.0f);
}

TEST_F(ManualScaleTest, LogAxisOfTooManyDecadesIsRefused) {
  state_.log_frequency_axis = true;
  state_.manual_x = true;
  EXPECT_FALSE(Apply({{-1, 1e9, 10}, {}}));
  EXPECT_EQ(messenger_.Texts(), std::vector<std::string>{"Неверно заданы пределы по горизонтали"});
}

TEST(ScaleLimits, RealValuesOfTheFirstAndLastTick) {
  const ScaleLimits limits = LimitsOf(Axis(-2, 0.5, 5, 2));
  EXPECT_NEAR(limits.min, -200, 1e-4);
  EXPECT_NEAR(limits.max, 50, 1e-4);
  EXPECT_EQ(limits.steps, 5);
}

}  // namespace
}  // namespace kortiv
