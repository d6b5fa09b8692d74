#include "results/axis_scale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "axis_ticks_checks.h"
#include "recording_messenger.h"

namespace kortiv {
namespace {

using test::Evenly;
using test::ExpectTicks;

using test::RecordingMessenger;

// One decade of logarithmic ticks from `low` with the given multipliers.
void AppendDecade(std::vector<double>& ticks, double low, const std::vector<int>& multipliers) {
  for (int q : multipliers) ticks.push_back(low + std::log10(q));
}

struct Scaled {
  AxisTicks axis;
  std::vector<std::string> messages;
};

Scaled Scale(float max, float min, AxisScaleKind kind = AxisScaleKind::kLinear,
             int previous_count = 10) {
  Scaled result;
  result.axis.count = previous_count;
  RecordingMessenger messenger;
  ScaleAxis(max, min, kind, result.axis, messenger);
  result.messages = messenger.Texts();
  return result;
}

TEST(RoundMantissa, RoundsUpOnlyPastThreeHundredths) {
  struct Case {
    float x;
    float mantissa;
    int power;
  };
  for (const Case& c : std::vector<Case>{{1.23f, 1.3f, 0},
                                         {1.229f, 1.2f, 0},
                                         {9.95f, 1.0f, 1},
                                         {9.92f, 9.9f, 0},
                                         {9.93f, 1.0f, 1},
                                         {-0.3f, -3.0f, -1},
                                         {2.5f, 2.5f, 0},
                                         {12345.0f, 1.3f, 4},
                                         {0.000123f, 1.3f, -4},
                                         {-9.95f, -1.0f, 1},
                                         {1.0f, 1.0f, 0},
                                         {100.0f, 1.0f, 2}}) {
    const RoundedLimit r = RoundMantissa(c.x);
    EXPECT_NEAR(r.mantissa, c.mantissa, 1e-6) << c.x;
    EXPECT_EQ(r.power, c.power) << c.x;
  }
}

TEST(RoundMantissa, ZeroAndValuesThatAreNotFiniteGiveZero) {
  for (float x :
       {0.0f, std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
        std::numeric_limits<float>::quiet_NaN()}) {
    const RoundedLimit r = RoundMantissa(x);
    EXPECT_EQ(r.mantissa, 0.0f);
    EXPECT_EQ(r.power, 0);
  }
}

TEST(ScaleAxis, ConstantOneGivesTenTenthsFromZero) {
  const Scaled s = Scale(1.0f, 1.0f);
  EXPECT_TRUE(s.messages.empty());
  EXPECT_EQ(s.axis.exponent, 0);
  ExpectTicks(s.axis, Evenly(0, 1, 10));
}

TEST(ScaleAxis, LowerMantissaOfSmallerPowerIsScaledDown) {
  // -0.3 and 2.5: the lower mantissa -3.0e-1 becomes -0.3; span 2.8 takes
  // six intervals and raises the top to 2.7.
  const Scaled s = Scale(2.5f, -0.3f);
  EXPECT_TRUE(s.messages.empty());
  EXPECT_EQ(s.axis.exponent, 0);
  ExpectTicks(s.axis, Evenly(-0.3, 2.7, 6));
}

TEST(ScaleAxis, UpperMantissaOfSmallerPowerIsScaledDown) {
  const Scaled s = Scale(3.0f, -25.0f);
  EXPECT_EQ(s.axis.exponent, 1);
  ExpectTicks(s.axis, Evenly(-2.5, 0.5, 6));
}

TEST(ScaleAxis, SmallDipBelowZeroKeepsZeroAsLowerLimit) {
  for (float min : {0.05f, -0.05f}) {
    const Scaled s = Scale(1.0f, min);
    EXPECT_TRUE(s.messages.empty());
    EXPECT_EQ(s.axis.exponent, 0);
    ExpectTicks(s.axis, Evenly(0, 1, 10));
  }
  // Within the ratio 11 the dip gets its own share of the axis.
  ExpectTicks(Scale(1.0f, -0.1f).axis, Evenly(-0.1, 1.0, 11));
}

TEST(ScaleAxis, RatioOfTheLimitsIsJudgedBeyondSinglePrecision) {
  // 1.1 / -0.1 in single-precision values is a little above 11.
  const Scaled dip = Scale(1.1f, -0.1f);
  EXPECT_TRUE(dip.messages.empty());
  EXPECT_EQ(dip.axis.exponent, 0);
  ExpectTicks(dip.axis, Evenly(0, 1.1, 11));
  const Scaled rise = Scale(-0.1f, -1.1f);
  EXPECT_TRUE(rise.messages.empty());
  EXPECT_EQ(rise.axis.exponent, 0);
  ExpectTicks(rise.axis, Evenly(-1.1, 0, 11));
}

TEST(ScaleAxis, TickThatMissesZeroByRoundingIsZero) {
  // -0.6..1.6 in eleven steps of 0.2: the fourth tick sums to zero only up
  // to the rounding of the single-precision limits.
  const Scaled s = Scale(1.5f, -0.6f);
  ExpectTicks(s.axis, Evenly(-0.6, 1.6, 11));
  EXPECT_EQ(s.axis.ticks[3], 0.0f);
}

TEST(ScaleAxis, AllZeroGivesMinusOneToOne) {
  const Scaled s = Scale(0.0f, 0.0f);
  EXPECT_TRUE(s.messages.empty());
  EXPECT_EQ(s.axis.exponent, 0);
  ExpectTicks(s.axis, Evenly(-1, 1, 10));
}

TEST(ScaleAxis, NegativeValuesKeepZeroAsUpperLimit) {
  const Scaled s = Scale(-2.0f, -50.0f);
  EXPECT_EQ(s.axis.exponent, 1);
  ExpectTicks(s.axis, Evenly(-5, 0, 10));
}

TEST(ScaleAxis, ExponentOfLargeValues) {
  const Scaled s = Scale(1234.0f, 0.0f);
  EXPECT_EQ(s.axis.exponent, 3);
  ExpectTicks(s.axis, Evenly(0, 1.4, 7));
}

TEST(ScaleAxis, SpanTableRows) {
  ExpectTicks(Scale(7.5f, 0.0f).axis, Evenly(0, 8, 8));
  ExpectTicks(Scale(9.9f, 0.0f).axis, Evenly(0, 10, 10));
  ExpectTicks(Scale(1.1f, 0.0f).axis, Evenly(0, 1.1, 11));
  ExpectTicks(Scale(1.2f, 0.0f).axis, Evenly(0, 1.2, 6));
  ExpectTicks(Scale(2.3f, 0.0f).axis, Evenly(0, 2.4, 8));
  ExpectTicks(Scale(6.5f, -5.0f).axis, Evenly(-5, 6.5, 6));
  ExpectTicks(Scale(7.0f, -6.0f).axis, Evenly(-6, 8, 7));
  ExpectTicks(Scale(9.9f, -9.9f).axis, Evenly(-9.9, 10.1, 10));
}

TEST(ScaleAxis, ReversedLimitsAreReportedAndSpreadOverThePreviousCount) {
  const Scaled s = Scale(-2.0f, 2.0f, AxisScaleKind::kLinear, 4);
  EXPECT_EQ(s.messages, (std::vector<std::string>{std::string(kLimitsErrorText),
                                                  std::string(kScaleErrorText)}));
  ExpectTicks(s.axis, Evenly(0, -2, 4));
}

TEST(ScaleAxis, MoreThanSixteenIntervalsAreReported) {
  const Scaled s = Scale(-2.0f, 2.0f, AxisScaleKind::kLinear, 20);
  EXPECT_EQ(s.messages.back(), kTooManyTicksText);
  EXPECT_EQ(s.messages.size(), 3u);
  ExpectTicks(s.axis, Evenly(0, -2, 20));
}

TEST(ScaleAxis, LogThreeDecadesHaveFiveTicksEach) {
  const Scaled s = Scale(2.0f, -1.0f, AxisScaleKind::kLogarithmic);
  EXPECT_TRUE(s.messages.empty());
  EXPECT_EQ(s.axis.exponent, 0);
  std::vector<double> expected;
  for (int d = -1; d <= 1; ++d) AppendDecade(expected, d, {1, 2, 3, 4, 6});
  expected.push_back(2);
  ExpectTicks(s.axis, expected);
}

TEST(ScaleAxis, LogTicksPerDecadeFollowTheSpan) {
  std::vector<double> one{-0.5};
  AppendDecade(one, -0.5, {2, 3, 4, 5, 6, 7, 8, 9});
  one.push_back(0.7);
  ExpectTicks(Scale(0.7f, -0.5f, AxisScaleKind::kLogarithmic).axis, one);

  std::vector<double> seven;
  for (int d = 0; d <= 1; ++d) AppendDecade(seven, d, {1, 2, 3, 4, 5, 6, 8});
  seven.push_back(2.5);
  ExpectTicks(Scale(2.5f, 0.0f, AxisScaleKind::kLogarithmic).axis, seven);

  std::vector<double> four;
  for (int d = 0; d <= 3; ++d) AppendDecade(four, d, {1, 2, 3, 5});
  four.push_back(4);
  const Scaled sixteen = Scale(4.0f, 0.0f, AxisScaleKind::kLogarithmic);
  EXPECT_TRUE(sixteen.messages.empty());
  ExpectTicks(sixteen.axis, four);

  std::vector<double> three;
  for (int d = -2; d <= 2; ++d) AppendDecade(three, d, {1, 2, 4});
  three.push_back(3);
  ExpectTicks(Scale(3.0f, -2.0f, AxisScaleKind::kLogarithmic).axis, three);

  ExpectTicks(Scale(5.0f, -3.0f, AxisScaleKind::kLogarithmic).axis, Evenly(-3, 5, 8));
  ExpectTicks(Scale(7.0f, -6.0f, AxisScaleKind::kLogarithmic).axis, Evenly(-6, 8, 7));
  ExpectTicks(Scale(9.0f, -9.0f, AxisScaleKind::kLogarithmic).axis, Evenly(-9, 9, 9));
  ExpectTicks(Scale(9.9f, -9.9f, AxisScaleKind::kLogarithmic).axis, Evenly(-9.9, 10.1, 10));
}

TEST(ScaleAxis, LogLimitsOfAnotherPowerAreTakenAsDecades) {
  // 0..15 rounds to the mantissas 0 and 1.5 of 10^1: fifteen decades, not
  // one and a half, marked every second decade.
  const Scaled fifteen = Scale(15.0f, 0.0f, AxisScaleKind::kLogarithmic);
  EXPECT_TRUE(fifteen.messages.empty());
  EXPECT_EQ(fifteen.axis.exponent, 0);
  ExpectTicks(fifteen.axis, Evenly(0, 16, 8));
  // 0.1..0.9: less than a decade, whatever the power of its mantissas.
  const Scaled tenths = Scale(0.9f, 0.1f, AxisScaleKind::kLogarithmic);
  EXPECT_EQ(tenths.messages, std::vector<std::string>{std::string(kLogScaleErrorText)});
  EXPECT_EQ(tenths.axis.exponent, 0);
  EXPECT_NEAR(tenths.axis.First(), 0, 1e-6);
  EXPECT_NEAR(tenths.axis.Last(), 1, 1e-6);
}

TEST(ScaleAxis, SpanOnABoundInSinglePrecisionLiesBelowIt) {
  // The span 1.9 is a little less than 1.9 in single precision: nine ticks
  // in its one decade, not seven.
  std::vector<double> nine;
  AppendDecade(nine, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  nine.push_back(1.9);
  ExpectTicks(Scale(1.9f, 0.0f, AxisScaleKind::kLogarithmic).axis, nine);
}

TEST(ScaleAxis, LogSpanBelowADecadeIsReportedAndShowsOneDecade) {
  const Scaled s = Scale(0.7f, 0.0f, AxisScaleKind::kLogarithmic, 3);
  EXPECT_EQ(s.messages, std::vector<std::string>{std::string(kLogScaleErrorText)});
  EXPECT_EQ(s.axis.exponent, 0);
  std::vector<double> expected;
  AppendDecade(expected, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9});
  expected.push_back(1);
  ExpectTicks(s.axis, expected);
}

TEST(ScaleAxis, GrowsTheTickArrayWhenItIsShort) {
  AxisTicks axis;
  axis.ticks.assign(2, 0.0f);
  RecordingMessenger messenger;
  ScaleAxis(2.0f, -1.0f, AxisScaleKind::kLogarithmic, axis, messenger);
  EXPECT_EQ(axis.count, 15);
  EXPECT_GE(axis.ticks.size(), 16u);
  EXPECT_NEAR(axis.Last(), 2.0, 1e-6);
}

}  // namespace
}  // namespace kortiv
