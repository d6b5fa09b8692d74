#include "elements/sources.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "calc_fixture.h"
#include "elements/element_models.h"

namespace kortiv {
namespace {

class SourcesTest : public ::testing::Test, public test::CalcFixture {
 protected:
  // The source's series over points 0..last_point of a time run.
  Series Run(int element, int last_point, float t0 = 0, float h = 0.1f) {
    PrepareRun(RunKind::kTime, last_point, t0, h);
    Series output = NewSeries();
    EvalContext eval = context.Eval();
    EvaluateSource(eval, element, output);
    return output;
  }
};

TEST_F(SourcesTest, StepSwitchesOnAtItsDelayCountedFromTheStart) {
  const Series from_zero = Run(Add(101, {1, 0.5f}), 10);
  for (int j = 0; j <= 4; ++j) EXPECT_EQ(from_zero[j], 0) << j;
  for (int j = 5; j <= 10; ++j) EXPECT_EQ(from_zero[j], 1) << j;

  const Series from_one = Run(Add(101, {2, 0.5f}), 10, 1.0f);
  EXPECT_EQ(from_one[4], 0);
  EXPECT_EQ(from_one[5], 2);
}

TEST_F(SourcesTest, RampUsesTheAbsoluteMomentForItsValue) {
  const Series ramp = Run(Add(102, {3, 0}), 4, 1.0f, 0.5f);
  EXPECT_DOUBLE_EQ(ramp[0], 3);  // (t - p1) * p0 at t = 1
  EXPECT_DOUBLE_EQ(ramp[2], 6);

  const Series delayed = Run(Add(102, {2, 1}), 4, 0, 0.5f);
  EXPECT_EQ(delayed[1], 0);
  EXPECT_DOUBLE_EQ(delayed[2], 0);
  EXPECT_DOUBLE_EQ(delayed[4], 2);
}

TEST_F(SourcesTest, SinesDoNotRestartAtTheStartMoment) {
  const Series sine = Run(Add(100, {2, 3}), 3, 1.0f);
  EXPECT_NEAR(sine[0], 2 * std::sin(3.0), 1e-6);
  const Series harmonic = Run(Add(103, {1, 2, 0.5f}), 3, 0, 0.25f);
  EXPECT_NEAR(harmonic[2], std::sin(2 * 0.5 + 0.5), 1e-6);
}

TEST_F(SourcesTest, SinglePulseIncludesBothEdges) {
  const Series pulse = Run(Add(104, {5, 0.25f, 0.5f}), 8, 0, 0.125f);
  const std::vector<double> expected{0, 0, 5, 5, 5, 5, 5, 0, 0};
  EXPECT_EQ(pulse, Series(expected.begin(), expected.end()));
}

TEST_F(SourcesTest, SquareWaveTurnsNegativeExactlyAtTheHalfPeriod) {
  const Series wave = Run(Add(106, {2, 1}), 8, 0, 0.25f);
  const std::vector<double> expected{2, 2, -2, -2, 2, 2, -2, -2, 2};
  EXPECT_EQ(wave, Series(expected.begin(), expected.end()));
}

TEST_F(SourcesTest, PulsePacketGivesItsCountOfPulsesAfterTheDelayOnly) {
  // Delay 0.5, pulse 0.25, pause 0.25: pulses at [0.5, 0.75) and [1, 1.25).
  const Series two = Run(Add(107, {1, 2.1f, 0.5f, 0.25f, 0.25f}), 8, 0, 0.25f);
  const std::vector<double> expected{0, 0, 1, 0, 1, 0, 0, 0, 0};
  EXPECT_EQ(two, Series(expected.begin(), expected.end()));

  const Series rounded = Run(Add(107, {1, 1.95f, 0.5f, 0.25f, 0.25f}), 8, 0, 0.25f);
  EXPECT_EQ(rounded, two);

  // Moments a whole number of periods before the delay get no pulse.
  const Series late = Run(Add(107, {1, 3.1f, 1, 0.25f, 0.25f}), 8, 0, 0.25f);
  EXPECT_EQ(late[0], 0);
  EXPECT_EQ(late[2], 0);
  EXPECT_EQ(late[4], 1);
}

TEST_F(SourcesTest, DelaysCountFromTheStartPeriodsFromTimeZero) {
  // T0 = 1: the single pulse and the pulse train wait for their delay after
  // T0, as they do from 0.
  const Series pulse = Run(Add(104, {5, 0.25f, 0.5f}), 8, 1.0f, 0.125f);
  const std::vector<double> pulse_expected{0, 0, 5, 5, 5, 5, 5, 0, 0};
  EXPECT_EQ(pulse, Series(pulse_expected.begin(), pulse_expected.end()));
  const Series train = Run(Add(107, {1, 2.1f, 0.5f, 0.25f, 0.25f}), 8, 1.0f, 0.25f);
  const std::vector<double> train_expected{0, 0, 1, 0, 1, 0, 0, 0, 0};
  EXPECT_EQ(train, Series(train_expected.begin(), train_expected.end()));
  // From T0 = 0.25 the square wave goes on in its period from t = 0.
  const Series wave = Run(Add(106, {2, 1}), 5, 0.25f, 0.25f);
  const std::vector<double> wave_expected{2, -2, -2, 2, 2, -2};
  EXPECT_EQ(wave, Series(wave_expected.begin(), wave_expected.end()));
}

TEST_F(SourcesTest, PeriodicSourcesFollowTheirPeriods) {
  const Series sawtooth = Run(Add(105, {4, 1}), 5, 0, 0.25f);
  EXPECT_DOUBLE_EQ(sawtooth[1], 1);
  EXPECT_DOUBLE_EQ(sawtooth[3], 3);
  EXPECT_DOUBLE_EQ(sawtooth[4], 0);

  const Series symmetric = Run(Add(108, {1, 1}), 4, 0, 0.25f);
  EXPECT_DOUBLE_EQ(symmetric[1], 0.5);
  EXPECT_DOUBLE_EQ(symmetric[2], 1);  // r = p1 / 2 is not yet past the middle
  EXPECT_DOUBLE_EQ(symmetric[3], -0.5);

  const Series pulses = Run(Add(110, {3, 0.5f, 2}), 8, 0, 0.25f);
  const std::vector<double> expected{3, 3, 0, 0, 0, 0, 0, 0, 3};
  EXPECT_EQ(pulses, Series(expected.begin(), expected.end()));

  const Series triangle = Run(Add(111, {2, 1, 2}), 8, 0, 0.25f);
  EXPECT_DOUBLE_EQ(triangle[2], 1);
  EXPECT_DOUBLE_EQ(triangle[4], 2);
  EXPECT_DOUBLE_EQ(triangle[6], 1);
  EXPECT_DOUBLE_EQ(triangle[8], 0);
}

TEST_F(SourcesTest, ZeroSourceAndTheKindLeftForThePlot) {
  run.freq_plot_kind = 21;
  const Series zero = Run(Add(113), 3);
  EXPECT_EQ(zero, Series(4, 0.0));
  EXPECT_EQ(run.freq_plot_kind, -1);
}

TEST_F(SourcesTest, WhiteNoiseHasThePowerOfItsParameter) {
  run.noise_seed = 12345;
  const int last = 2000;
  const Series noise = Run(Add(109, {0.5f}), last);
  double square_sum = 0;
  double largest = 0;
  for (double x : noise) {
    square_sum += x * x;
    largest = std::max(largest, std::abs(x));
  }
  EXPECT_NEAR(square_sum / (last + 1), 0.5 * last / (last + 1), 1e-5);
  EXPECT_LT(largest, 2 * std::sqrt(0.5 * 3) + 1e-9);  // uniform values: |x| <= sqrt(3 p0) scaled
}

TEST_F(SourcesTest, WhiteNoiseDiffersBetweenRunsAndSources) {
  const int first = Add(109, {1});
  const int second = Add(109, {1});
  run.noise_seed = 7;
  const Series a = Run(first, 100);
  EXPECT_EQ(Run(first, 100), a);  // a fixed seed repeats
  EXPECT_NE(Run(second, 100), a);
  run.noise_seed = 8;
  EXPECT_NE(Run(first, 100), a);
  run.noise_seed.reset();
  const Series clocked = Run(first, 100);
  EXPECT_NE(Run(first, 100), clocked);
}

TEST_F(SourcesTest, SweepGeneratorMakesTheDecadeGrid) {
  const int sweep = Add(112, {0, 2, 2, 1, 10});
  const EvalContext eval = context.Eval();
  ASSERT_EQ(SweepGridOf(eval, sweep).LastPoint(), 20);
  PrepareRun(RunKind::kFrequency, 20);
  Series output = NewSeries();
  EvalContext evaluate = context.Eval();
  EvaluateSource(evaluate, sweep, output);
  const std::vector<float> expected{1,  1.9f, 2.8f, 3.7f, 4.6f, 5.5f, 6.4f, 7.3f, 8.2f, 9.1f, 10,
                                    19, 28,   37,   46,   55,   64,   73,   82,   91,   100};
  for (int j = 0; j <= 20; ++j) {
    EXPECT_FLOAT_EQ(run.Moment(j), expected[j]) << j;
    EXPECT_EQ(output[2 * j], 1);
    EXPECT_EQ(output[2 * j + 1], 0);
  }
  EXPECT_EQ(run.freq_plot_kind, 21);
}

TEST_F(SourcesTest, SweepGeneratorInHertzHoldsAngularFrequencies) {
  settings.FreqInHertz = true;
  const int sweep = Add(112, {1, 2, 3, 2, 4});
  PrepareRun(RunKind::kFrequency, 4);
  Series output = NewSeries();
  EvalContext eval = context.Eval();
  EvaluateSource(eval, sweep, output);
  EXPECT_FLOAT_EQ(run.Moment(0), static_cast<float>(20 * std::numbers::pi));
  EXPECT_FLOAT_EQ(run.Moment(4), static_cast<float>(200 * std::numbers::pi));
  EXPECT_EQ(run.freq_plot_kind, 30);  // the hodograph has no scale digit
}

TEST_F(SourcesTest, ANonSourceIsRefusedAndItsSeriesLeftAlone) {
  const int wire = Add(1);
  PrepareRun(RunKind::kTime, 2);
  Series output{7, 8, 9};
  EvalContext eval = context.Eval();
  EvaluateSource(eval, wire, output);
  EXPECT_EQ(output, (Series{7, 8, 9}));
  EXPECT_EQ(messenger.Texts(),
            std::vector<std::string>{"Вызов элемента-несигнала как источника сигнала!"});
}

}  // namespace
}  // namespace kortiv
