// The line under the plot and zooming with the mouse, worked out on plots
// set up from hand-filled results.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "axis_ticks_checks.h"
#include "series/run_state.h"
#include "model/user_settings.h"
#include "recording_messenger.h"
#include "results/manual_scale.h"
#include "results/plot_frame.h"
#include "results/plot_readout.h"
#include "results/plot_setup.h"
#include "results/plot_state.h"
#include "results/plot_zoom.h"

namespace kortiv {

void PrintTo(const ReadoutPart& part, std::ostream* os) {
  *os << "{\"" << part.text << "\", " << part.colour << "}";
}

namespace {

using test::Evenly;
using test::ExpectTicks;
using test::RecordingMessenger;

class ReadoutZoomTest : public ::testing::Test {
 protected:
  // Time 0..5 by 0.1: point 1 is t / 5, point 2 is -t / 5. Axes 0..5 and
  // -1..1 on a 640 x 400 picture: 116 pixels a second, 180 a unit.
  void TimeRun() {
    run_.kind = RunKind::kTime;
    run_.control_points = 2;
    run_.last_point = 50;
    for (int j = 0; j <= 50; ++j) {
      const float t = j * 0.1f;
      run_.result_store.insert(run_.result_store.end(), {t, t / 5, -t / 5});
    }
    PreparePlot(run_, settings_, false, state_, messenger_);
  }

  // The number after "= " in a readout text, written with a decimal comma.
  double NumberIn(const std::string& text) {
    std::string number = text.substr(text.find("= ") + 2);
    for (char& c : number) {
      if (c == ',') c = '.';
    }
    return std::stod(number);
  }

  // One control point over 1..1000 rad/s, 10 points a decade, amplitude
  // 10 / w and phase -w / 1000 rad.
  void FrequencyRun(int plot_kind) {
    run_.kind = RunKind::kFrequency;
    run_.control_points = 1;
    run_.freq_plot_kind = plot_kind;
    run_.last_point = 30;
    for (int j = 0; j <= 30; ++j) {
      const double w = std::pow(10.0, j / 10.0);
      const double a = 10 / w;
      const double phi = -w / 1000;
      run_.result_store.insert(run_.result_store.end(),
                               {static_cast<float>(w), static_cast<float>(a * std::cos(phi)),
                                static_cast<float>(a * std::sin(phi))});
    }
    PreparePlot(run_, settings_, false, state_, messenger_);
  }

  PlotFrame Frame() const { return PlotFrame(640, 400, state_); }

  std::vector<ReadoutPart> Read(double x, double y) {
    return ReadOut(run_, state_, Frame(), settings_, x, y, ',');
  }

  RunState run_;
  UserSettings settings_;
  PlotState state_;
  RecordingMessenger messenger_;
};

TEST_F(ReadoutZoomTest, TimePlotReadsTheNearestMomentInTheColoursOfThePoints) {
  TimeRun();
  settings_.Styles[2][0] = 4;  // point 2 purple
  // x 30 + 116 * 2.04 lies nearest to the moment 2.0.
  const std::vector<ReadoutPart> parts = Read(30 + 116 * 2.04, 123);
  ASSERT_EQ(parts.size(), 3u);
  EXPECT_EQ(parts[0], (ReadoutPart{"t = 2,04", -1}));
  EXPECT_EQ(parts[1], (ReadoutPart{"1: 0,4", 0}));
  EXPECT_EQ(parts[2], (ReadoutPart{"2: -0,4", 4}));
  // Left of the first moment and right of the last.
  EXPECT_EQ(Read(2, 0)[1].text, "1: 0");
  EXPECT_EQ(Read(639, 0)[1].text, "1: 1");
}

TEST_F(ReadoutZoomTest, FrequencyPlotReadsTheFrequencyAndTheValuesInTheirUnits) {
  settings_.PhaseInDegrees = true;
  settings_.FreqInHertz = false;
  FrequencyRun(22);  // dB and phase against lg w
  const PlotFrame frame = Frame();
  Pixel at_100;
  ASSERT_TRUE(frame.CurvePixel(0, 2.0, 0.0, at_100));
  const std::vector<ReadoutPart> parts = Read(at_100.x + 0.5, 200);
  ASSERT_EQ(parts.size(), 2u);
  // The cursor's frequency, to a pixel (a tenth of a decade is 18 pixels).
  EXPECT_TRUE(parts[0].text.starts_with("ω = ")) << parts[0].text;
  EXPECT_NEAR(NumberIn(parts[0].text), 100, 2);
  EXPECT_TRUE(parts[0].text.ends_with(" рад/с")) << parts[0].text;
  // 10 / 100 is -20 dB; -0.1 rad is -5.73 degrees.
  EXPECT_EQ(parts[1], (ReadoutPart{"1: L = -20 дБ; φ = -5,73°", 0}));
}

TEST_F(ReadoutZoomTest, PhaseOnlyInHertzAndRadians) {
  settings_.FreqInHertz = true;
  FrequencyRun(10);
  const PlotFrame frame = Frame();
  Pixel last;
  ASSERT_TRUE(frame.CurvePixel(1, run_.ResultAt(30, 0), 0.0, last));
  const std::vector<ReadoutPart> parts = Read(last.x, 100);
  EXPECT_TRUE(parts[0].text.starts_with("f = ")) << parts[0].text;
  EXPECT_TRUE(parts[0].text.ends_with(" Гц")) << parts[0].text;
  EXPECT_NEAR(NumberIn(parts[0].text), 1000 / (2 * M_PI), 2);
  EXPECT_EQ(parts[1].text, "1: A = 0,01; φ = -1 рад");
}

TEST_F(ReadoutZoomTest, PortraitReadsTheCursorAndTheNearestPointOfEachPair) {
  TimeRun();
  PreparePlot(run_, settings_, true, state_, messenger_);
  // The pair (1, 2) runs from (0, 0) to (1, -1); its point at t 2.5 is
  // (0.5, -0.5).
  const PlotFrame frame = Frame();
  Pixel p;
  ASSERT_TRUE(frame.CurvePixel(0, 0.5, -0.5, p));
  const std::vector<ReadoutPart> parts = Read(p.x + 3, p.y - 2);
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[0].text.substr(0, 4), "x = ");
  EXPECT_EQ(parts[1], (ReadoutPart{"1-2: x = 0,5; y = -0,5; t = 2,5", 0}));
}

TEST_F(ReadoutZoomTest, ZoomSetsTheLimitsOfTheRectangleAsTypedLimitsWould) {
  TimeRun();
  const PlotState automatic = state_;
  // From t 1 to 3 and values -0.5 to 0.5.
  ASSERT_TRUE(ZoomTo(state_, Frame(), {30 + 116 * 3, 20 + 90}, {30 + 116, 20 + 270}, messenger_));
  EXPECT_TRUE(state_.manual_x);
  EXPECT_TRUE(state_.manual_y);
  EXPECT_TRUE(messenger_.entries.empty());
  PlotState typed = automatic;
  typed.manual_x = typed.manual_y = true;
  ASSERT_TRUE(ApplyManualScales(typed, {{1, 3, 10}, {-0.5, 0.5, 10}}, messenger_));
  ExpectTicks(state_.axes.x, Evenly(1, 3, 10));
  ExpectTicks(state_.axes.y[0], Evenly(-0.5, 0.5, 10));
  ExpectTicks(typed.axes.x, Evenly(1, 3, 10));
  // Back to the automatic axes.
  ReturnToAutomaticAxes(state_, messenger_);
  EXPECT_FALSE(state_.manual_x);
  EXPECT_FALSE(state_.manual_y);
  ExpectTicks(state_.axes.x, Evenly(0, 5, 10));
  ExpectTicks(state_.axes.y[0], Evenly(-1, 1, 10));
}

TEST_F(ReadoutZoomTest, ClickIsNoZoom) {
  TimeRun();
  const PlotAxes before = state_.axes;
  EXPECT_FALSE(ZoomTo(state_, Frame(), {100, 100}, {103, 300}, messenger_));
  EXPECT_FALSE(state_.manual_x);
  EXPECT_EQ(state_.axes.x.ticks, before.x.ticks);
}

TEST_F(ReadoutZoomTest, ZoomOnALogarithmicAxisKeepsItsDecadesAndAlignsThePhaseAxis) {
  FrequencyRun(21);
  const PlotFrame frame = Frame();
  Pixel from;
  Pixel to;
  ASSERT_TRUE(frame.CurvePixel(0, 1.0, 0.0, from));  // lg w 1
  ASSERT_TRUE(frame.CurvePixel(0, 2.0, 0.0, to));    // lg w 2
  ASSERT_TRUE(ZoomTo(state_, frame, {from.x, 100}, {to.x, 300}, messenger_));
  // From 10 to 100 rad/s with a tick at every 10 between.
  const AxisTicks& x = state_.axes.x;
  EXPECT_NEAR(x.First(), 1.0, 0.01);
  EXPECT_NEAR(x.Last(), 2.0, 0.01);
  for (int m = 2; m <= 9; ++m) {
    const auto end = x.ticks.begin() + x.count + 1;
    EXPECT_EQ(std::count_if(x.ticks.begin(), end,
                            [m](float t) { return std::abs(t - std::log10(10.0 * m)) < 1e-4; }),
              1)
        << m;
  }
  // The phase axis spans as many of its units as the amplitude axis does.
  EXPECT_EQ(state_.axes.y[1].count, state_.axes.y[0].count);
  EXPECT_LT(state_.axes.y[1].First(), state_.axes.y[1].Last());
}

}  // namespace
}  // namespace kortiv
