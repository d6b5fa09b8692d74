#include "results/plot_setup.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <string>
#include <vector>

#include "axis_ticks_checks.h"
#include "model/user_settings.h"
#include "recording_messenger.h"
#include "results/axis_scale.h"
#include "results/frequency_results.h"
#include "results/plot_state.h"
#include "series/run_state.h"

namespace kortiv {
namespace {

using test::Evenly;
using test::ExpectTicks;

using test::RecordingMessenger;

// A frequency run of one control point over the angular frequencies w_j
// with the response w(jw).
void FillFrequencyRun(RunState& run, int plot_kind, const std::vector<double>& frequencies,
                      const std::function<std::complex<double>(double)>& response) {
  run.kind = RunKind::kFrequency;
  run.control_points = 1;
  run.freq_plot_kind = plot_kind;
  run.last_point = static_cast<int>(frequencies.size()) - 1;
  run.result_store.clear();
  for (double w : frequencies) {
    const std::complex<double> value = response(w);
    run.result_store.insert(run.result_store.end(),
                            {static_cast<float>(w), static_cast<float>(value.real()),
                             static_cast<float>(value.imag())});
  }
}

// 0.1 to 100 rad/s, 30 points a decade.
std::vector<double> ThreeDecades() {
  std::vector<double> w;
  for (int j = 0; j <= 90; ++j) w.push_back(std::pow(10.0, -1 + j / 30.0));
  return w;
}

std::complex<double> Lag(double w) {
  return 1.0 / std::complex<double>(1.0, w);
}

class PlotSetupTest : public ::testing::Test {
 protected:
  void Prepare(bool portrait = false) {
    PreparePlot(run_, settings_, portrait, state_, messenger_);
  }

  RunState run_;
  UserSettings settings_;
  PlotState state_;
  RecordingMessenger messenger_;
};

TEST_F(PlotSetupTest, TimePlotScalesTimeAndAllControlPoints) {
  run_.control_points = 2;
  run_.last_point = 2;
  run_.result_store = {0.0f, 1.0f, -0.3f, 1.0f, 2.5f, 0.0f, 2.0f, 0.5f, 1.0f};
  Prepare();
  EXPECT_TRUE(messenger_.entries.empty());
  EXPECT_EQ(state_.kind, PlotKind::kTime);
  EXPECT_EQ(state_.title, "Графики в контрольных точках");
  EXPECT_EQ(state_.curve_step, 1);
  EXPECT_EQ(state_.first_axis, 0);
  EXPECT_EQ(state_.last_axis, 0);
  ExpectTicks(state_.axes.x, Evenly(0, 2, 10));
  ExpectTicks(state_.axes.y[0], Evenly(-0.3, 2.7, 6));
  EXPECT_EQ(state_.extremes.columns[2].min, -0.3f);
  // The drawn axes are a fresh copy with the standard room.
  ExpectTicks(state_.auto_axes.y[0], Evenly(-0.3, 2.7, 6));
  EXPECT_EQ(state_.axes.x.ticks.size(), 17u);
  EXPECT_EQ(state_.axes.y[0].ticks.size(), 12u);
}

TEST_F(PlotSetupTest, PortraitTakesOddPointsAcrossAndEvenPointsUp) {
  run_.control_points = 4;
  run_.last_point = 1;
  // t, x1, y2, x3, y4
  run_.result_store = {0.0f, 1.0f, -50.0f, 3.0f, 0.0f,  //
                       1.0f, 2.0f, 0.0f,   7.5f, -2.0f};
  state_.manual_x = true;
  state_.manual_y = true;
  Prepare(true);
  EXPECT_EQ(state_.kind, PlotKind::kPortrait);
  EXPECT_TRUE(state_.PortraitMode());
  EXPECT_EQ(state_.title, "Фазовый портрет");
  EXPECT_EQ(state_.curve_step, 2);
  EXPECT_FALSE(state_.manual_x);
  EXPECT_FALSE(state_.manual_y);
  ExpectTicks(state_.axes.x, Evenly(0, 8, 8));  // 1..7.5
  EXPECT_EQ(state_.axes.y[0].exponent, 1);      // -50..0
  ExpectTicks(state_.axes.y[0], Evenly(-5, 0, 10));
}

TEST_F(PlotSetupTest, AmplitudeAndPhaseOverLgFrequency) {
  FillFrequencyRun(run_, 21, ThreeDecades(), Lag);
  Prepare();
  EXPECT_TRUE(messenger_.entries.empty());
  EXPECT_EQ(state_.kind, PlotKind::kFrequency);
  EXPECT_EQ(state_.title, "АЧХ и ФЧХ в контрольных точках");
  EXPECT_EQ(state_.curve_step, 2);
  EXPECT_EQ(state_.first_axis, 0);
  EXPECT_EQ(state_.last_axis, 1);
  EXPECT_TRUE(state_.log_frequency_axis);
  // lg w from -1 to 2: three decades of 1 2 3 4 6.
  ASSERT_EQ(state_.axes.x.count, 15);
  EXPECT_NEAR(state_.axes.x.ticks[4], -1 + std::log10(6.0), 1e-6);
  EXPECT_NEAR(state_.axes.x.ticks[15], 2, 1e-6);
  // Amplitudes 0.995..0.00995, phases -0.0997..-1.561 rad.
  ExpectTicks(state_.axes.y[0], Evenly(0, 1, 10));
  ExpectTicks(state_.axes.y[1], Evenly(-1.6, 0, 8));
}

TEST_F(PlotSetupTest, PhaseOnlyUsesTheSecondAxis) {
  FillFrequencyRun(run_, 10, ThreeDecades(), Lag);
  settings_.PhaseInDegrees = true;
  state_.auto_axes.y[0].count = 3;  // an earlier scaling, kept
  Prepare();
  EXPECT_EQ(state_.title, "ФЧХ в контрольных точках");
  EXPECT_EQ(state_.first_axis, 1);
  EXPECT_EQ(state_.last_axis, 1);
  EXPECT_FALSE(state_.log_frequency_axis);
  EXPECT_EQ(state_.axes.x.exponent, 2);  // 0.1..100 linear
  ExpectTicks(state_.axes.x, Evenly(0, 1, 10));
  EXPECT_EQ(state_.axes.y[1].exponent, 1);  // -5.7..-89.4 degrees
  ExpectTicks(state_.axes.y[1], Evenly(-9, 0, 9));
  EXPECT_EQ(state_.axes.y[0].count, 3);
}

TEST_F(PlotSetupTest, PhaseJumpIsRemovedBeforeScaling) {
  // The phase passes +180 degrees: 160, 170, then -175 and -165 as atan2
  // gives them, which become 185 and 195.
  const std::vector<double> degrees{160, 170, -175, -165};
  std::vector<double> w{1, 2, 3, 4};
  FillFrequencyRun(run_, 10, w, [&](double x) {
    return std::polar(1.0, degrees[static_cast<std::size_t>(x) - 1] * M_PI / 180);
  });
  settings_.PhaseInDegrees = true;
  Prepare();
  EXPECT_NEAR(state_.extremes.columns[2].max, 195, 1e-3);
  EXPECT_NEAR(state_.extremes.columns[2].min, 160, 1e-3);
  EXPECT_EQ(state_.axes.y[1].exponent, 2);
  ExpectTicks(state_.axes.y[1], Evenly(0, 2, 10));
}

TEST_F(PlotSetupTest, LessThanADecadeOfLgFrequencyIsReported) {
  std::vector<double> w;
  for (int j = 0; j <= 10; ++j) w.push_back(std::pow(10.0, 0.07 * j));  // lg w 0..0.7
  FillFrequencyRun(run_, 1, w, Lag);
  Prepare();
  EXPECT_EQ(messenger_.Texts(), std::vector<std::string>{"Ошибка шкалирования log w!"});
  EXPECT_EQ(state_.title, "АЧХ в контрольных точках");
}

TEST_F(PlotSetupTest, DecibelTitleAndAmplitudeAxis) {
  FillFrequencyRun(run_, 2, ThreeDecades(), Lag);
  Prepare();
  EXPECT_EQ(state_.title, "ЛЧХ в контрольных точках");
  // 20 lg A from -0.04 to -40 dB.
  EXPECT_EQ(state_.axes.y[0].exponent, 1);
  ExpectTicks(state_.axes.y[0], Evenly(-4, 0, 8));
}

TEST_F(PlotSetupTest, HodographIsImAgainstRe) {
  FillFrequencyRun(run_, 30, ThreeDecades(), Lag);
  Prepare();
  EXPECT_EQ(state_.kind, PlotKind::kHodograph);
  EXPECT_EQ(state_.title, "Годограф");
  EXPECT_EQ(state_.curve_step, 2);
  EXPECT_EQ(state_.first_axis, 0);
  EXPECT_EQ(state_.last_axis, 0);
  EXPECT_FALSE(state_.log_frequency_axis);
  EXPECT_EQ(state_.axes.x.exponent, -1);  // Re 0.0001..0.990
  ExpectTicks(state_.axes.x, Evenly(0, 10, 10));
  ExpectTicks(state_.axes.y[0], Evenly(-5, 0, 10));  // Im -0.5..-0.01
  EXPECT_EQ(state_.axes.y[0].exponent, -1);
}

}  // namespace
}  // namespace kortiv
