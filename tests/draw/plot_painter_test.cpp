#include "draw/plot_painter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <limits>

#include "core/axis_ticks_checks.h"
#include "model/user_settings.h"
#include "plot_fixture.h"
#include "recording_messenger.h"
#include "results/axis_scale.h"
#include "results/plot_frame.h"
#include "results/plot_setup.h"
#include "results/plot_state.h"

namespace kortiv {
namespace {

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kGreen = 0xFF008000;

class PlotPainterTest : public ::testing::Test {
 protected:
  // Time 0..5 in steps of 0.1; control point 1 holds 0.5 (y 110), control
  // point 2 rises from -1 to 1. The axes come out as 0..5 and -1..1.
  void SetUpTimeRun() {
    test::FillTimeRun(run_, 50, 0.1f, 2,
                      [](int v, double t) { return v == 1 ? 0.5 : -1 + 0.4 * t; });
    SetUpTimePlot(run_, false, state_, messenger_);
  }

  QImage Paint(int width = 640, int height = 400) {
    QImage picture(width, height, QImage::Format_RGB32);
    PaintPlot(picture, run_, state_, settings_);
    return picture;
  }

  // The pixel of point j of the curve of column cy against column cx.
  QRgb CurveColour(const QImage& picture, int j, int cx, int cy, int axis = 0) {
    const PlotFrame frame(picture.width(), picture.height(), state_);
    Pixel p;
    EXPECT_TRUE(frame.CurvePixel(axis, run_.ResultAt(j, cx), run_.ResultAt(j, cy), p));
    return picture.pixel(p.x, p.y);
  }

  RunState run_;
  PlotState state_;
  UserSettings settings_;
  test::RecordingMessenger messenger_;
};

TEST_F(PlotPainterTest, AxesStandWhereTheFrameSays) {
  SetUpTimeRun();
  settings_.GridEnable = false;
  const QImage picture = Paint();
  EXPECT_TRUE(messenger_.entries.empty());
  EXPECT_EQ(picture.pixel(0, 0), kWhite);
  EXPECT_EQ(picture.pixel(639, 399), kWhite);
  EXPECT_EQ(picture.pixel(320, 390), kWhite);
  // The vertical axis at x 30 from y 20 to 380; the horizontal one at y 200.
  for (int y = 20; y <= 380; ++y) {
    if ((y < 105 || y > 115) && y < 370) {
      EXPECT_EQ(picture.pixel(30, y), kBlack) << y;
    }
  }
  EXPECT_EQ(picture.pixel(30, 19), kWhite);
  EXPECT_EQ(picture.pixel(30, 381), kWhite);
  for (int x = 31; x <= 610; ++x) {
    if (x < 310 || x > 330) {
      EXPECT_EQ(picture.pixel(x, 200), kBlack) << x;
    }
  }
  EXPECT_EQ(picture.pixel(611, 200), kWhite);
  // Tick marks above the horizontal axis (the labels cover those below it)
  // and right of the vertical axis.
  for (int i = 1; i <= 10; ++i) {
    const int x = 30 + 58 * i;
    EXPECT_EQ(picture.pixel(x, 198), kBlack) << x;
    EXPECT_EQ(picture.pixel(x, 197), kWhite) << x;
  }
  const PlotFrame frame(640, 400, state_);
  for (int j = 0; j <= 10; ++j) {
    const int y = frame.TickY(0, state_.axes.y[0].ticks[j]);
    EXPECT_EQ(picture.pixel(33, y), kBlack) << y;
    if (y != 200) {
      EXPECT_EQ(picture.pixel(34, y), kWhite) << y;
    }
  }
}

TEST_F(PlotPainterTest, CurvesInTheColoursOfTheirControlPoints) {
  SetUpTimeRun();
  settings_.GridEnable = false;
  const QImage picture = Paint();
  for (int j : {5, 12, 20, 37, 44, 50}) {
    EXPECT_EQ(CurveColour(picture, j, 0, 1), kRed) << j;
    EXPECT_EQ(CurveColour(picture, j, 0, 2), kBlue) << j;
  }
  EXPECT_EQ(picture.pixel(31, 110), kRed);
  EXPECT_EQ(picture.pixel(31, 379), kBlue);
  settings_.Styles[2][0] = 2;  // control point 2 in green
  EXPECT_EQ(CurveColour(Paint(), 20, 0, 2), kGreen);
}

TEST_F(PlotPainterTest, ColoursOfBackgroundAndGridFromTheSettings) {
  SetUpTimeRun();
  settings_.GridEnable = false;
  settings_.Styles[0][1] = 8;   // black
  settings_.Styles[0][2] = 13;  // white
  const QImage picture = Paint();
  EXPECT_EQ(picture.pixel(0, 0), kBlack);
  EXPECT_EQ(picture.pixel(30, 100), kWhite);
  EXPECT_EQ(picture.pixel(100, 200), kWhite);
}

TEST_F(PlotPainterTest, DottedGridAtEveryTick) {
  SetUpTimeRun();
  const QImage picture = Paint();
  // The grid line of x tick 4 (x 262) between the labels and the top.
  int dots = 0;
  for (int y = 21; y <= 180; ++y) {
    if (y == 110 || y == 111) continue;  // the curve of control point 1
    const QRgb pixel = picture.pixel(262, y);
    ASSERT_TRUE(pixel == kBlack || pixel == kWhite) << y;
    dots += pixel == kBlack;
  }
  EXPECT_GT(dots, 45);
  EXPECT_LT(dots, 115);
  // Nothing between two grid lines.
  for (int y = 22; y <= 50; ++y) EXPECT_EQ(picture.pixel(240, y), kWhite) << y;
}

TEST_F(PlotPainterTest, AnyPictureSize) {
  SetUpTimeRun();
  settings_.GridEnable = false;
  const QImage picture = Paint(300, 160);
  // Plot area 240 x 120: the horizontal axis at 20 + 60.
  for (int x = 40; x <= 100; ++x) EXPECT_EQ(picture.pixel(x, 80), kBlack) << x;
  EXPECT_EQ(CurveColour(picture, 25, 0, 1), kRed);
  EXPECT_EQ(CurveColour(picture, 10, 0, 2), kBlue);
  // Pictures smaller than the margins are drawn without failing.
  const QImage tiny = Paint(40, 20);
  EXPECT_EQ(tiny.size(), QSize(40, 20));
  QImage none;
  PaintPlot(none, run_, state_, settings_);
  EXPECT_TRUE(none.isNull());
}

TEST_F(PlotPainterTest, SmallDipIsDrawnBelowTheHorizontalAxis) {
  // -0.05..1.0 keeps 0 as the lower limit: the dip of control point 1 at
  // t 2..3 falls 18 pixels below the axis at y 380, off the plot area.
  test::FillTimeRun(run_, 50, 0.1f, 1, [](int, double t) {
    return t > 2 && t < 3 ? -0.05 : t < 4 ? 0.5 : 1.0;
  });
  SetUpTimePlot(run_, false, state_, messenger_);
  test::ExpectTicks(state_.axes.y[0], test::Evenly(0, 1, 10));
  settings_.GridEnable = false;
  const QImage picture = Paint();
  EXPECT_EQ(picture.pixel(30 + 58 * 5, 398), kRed);  // t 2.5
  EXPECT_EQ(picture.pixel(30 + 58 * 5, 380), kBlack);
  EXPECT_EQ(picture.pixel(30 + 58 * 7, 200), kRed);  // t 3.5 at 0.5
}

TEST_F(PlotPainterTest, PointsThatAreNoNumbersBreakTheCurve) {
  SetUpTimeRun();
  settings_.GridEnable = false;
  run_.ResultAt(25, 1) = std::numeric_limits<float>::quiet_NaN();
  const QImage picture = Paint();
  EXPECT_EQ(CurveColour(picture, 20, 0, 1), kRed);
  EXPECT_EQ(CurveColour(picture, 30, 0, 1), kRed);
  // The gap around point 25 (x 320) on the line of 0.5 (y 110).
  EXPECT_EQ(picture.pixel(320, 110), kWhite);
}

TEST_F(PlotPainterTest, PhaseCurvesTakeThePhasePair) {
  // Amplitude 1 and phase -1 at every frequency 0..5.
  test::FillTimeRun(run_, 50, 0.1f, 2, [](int v, double) { return v == 1 ? 1.0 : -1.0; });
  run_.kind = RunKind::kFrequency;
  run_.control_points = 1;
  state_.kind = PlotKind::kFrequency;
  state_.curve_step = 2;
  state_.first_axis = 0;
  state_.last_axis = 1;
  ScaleAxis(5.0f, 0.0f, AxisScaleKind::kLinear, state_.axes.x, messenger_);
  ScaleAxis(1.0f, 0.0f, AxisScaleKind::kLinear, state_.axes.y[0], messenger_);
  ScaleAxis(0.0f, -1.0f, AxisScaleKind::kLinear, state_.axes.y[1], messenger_);
  settings_.GridEnable = false;
  const QImage picture = Paint();
  // Amplitude solid along y 20, phase dotted along y 380.
  int amplitude = 0;
  int phase = 0;
  for (int x = 40; x <= 600; ++x) {
    amplitude += picture.pixel(x, 20) == kRed;
    phase += picture.pixel(x, 380) == kRed;
  }
  EXPECT_EQ(amplitude, 561);
  EXPECT_GT(phase, 140);
  EXPECT_LT(phase, 420);
  // With only the phase axis the main pair is used.
  state_.first_axis = 1;
  const QImage phase_only = Paint();
  for (int x = 40; x <= 600; ++x) EXPECT_EQ(phase_only.pixel(x, 380), kRed) << x;
}

TEST_F(PlotPainterTest, PortraitPairsTakeTheStyleOfTheirOddPoint) {
  // Pair (1, 2) a rising line, pair (3, 4) a falling one.
  test::FillTimeRun(run_, 100, 0.01f, 4, [](int v, double t) {
    switch (v) {
      case 1:
      case 3:
        return t;
      case 2:
        return t;
      default:
        return 1 - t;
    }
  });
  SetUpTimePlot(run_, true, state_, messenger_);
  EXPECT_EQ(state_.title, kPortraitTitle);
  settings_.GridEnable = false;
  const QImage picture = Paint();
  EXPECT_EQ(CurveColour(picture, 70, 1, 2), kRed);
  EXPECT_EQ(CurveColour(picture, 70, 3, 4), kGreen);  // record 3, not record 2
}

TEST_F(PlotPainterTest, PortraitLeavesALastPointWithoutPartnerOut) {
  test::FillTimeRun(run_, 100, 0.01f, 3, [](int, double t) { return t; });
  SetUpTimePlot(run_, true, state_, messenger_);
  settings_.GridEnable = false;
  const QImage picture = Paint();
  EXPECT_EQ(CurveColour(picture, 70, 1, 2), kRed);
  int green = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) green += picture.pixel(x, y) == kGreen;
  }
  EXPECT_EQ(green, 0);
}

TEST_F(PlotPainterTest, PortraitArrowPointsAlongTheCurve) {
  // x runs from -1 to 1, y stays 0.5: the arrow at point 10 points right.
  test::FillTimeRun(run_, 100, 0.02f, 2, [](int v, double t) { return v == 1 ? t - 1 : 0.5; });
  SetUpTimePlot(run_, true, state_, messenger_);
  settings_.GridEnable = false;
  const QImage picture = Paint();
  const PlotFrame frame(640, 400, state_);
  Pixel tip;
  ASSERT_TRUE(frame.CurvePixel(0, run_.ResultAt(10, 1), run_.ResultAt(10, 2), tip));
  // The strokes start at (x - 8, y + 4.8) and (x - 8, y - 4.8), truncated.
  EXPECT_EQ(picture.pixel(tip.x - 8, tip.y + 4), kRed);
  EXPECT_EQ(picture.pixel(tip.x - 8, tip.y - 5), kRed);
  EXPECT_EQ(picture.pixel(tip.x + 4, tip.y + 2), kWhite);
  EXPECT_EQ(picture.pixel(tip.x - 8, tip.y + 6), kWhite);
  EXPECT_EQ(picture.pixel(tip.x - 8, tip.y - 7), kWhite);
}

TEST_F(PlotPainterTest, HodographArrowNearTheMiddlePointsUp) {
  // Re stays 0.5, Im rises from -1 to 1: the arrow at point 40 points up.
  test::FillTimeRun(run_, 100, 0.02f, 2, [](int v, double t) { return v == 1 ? 0.5 : t - 1; });
  run_.kind = RunKind::kFrequency;
  run_.control_points = 1;
  state_.kind = PlotKind::kHodograph;
  state_.curve_step = 2;
  ScaleAxis(1.0f, 0.0f, AxisScaleKind::kLinear, state_.axes.x, messenger_);
  ScaleAxis(1.0f, -1.0f, AxisScaleKind::kLinear, state_.axes.y[0], messenger_);
  settings_.GridEnable = false;
  const QImage picture = Paint();
  const PlotFrame frame(640, 400, state_);
  Pixel tip;
  ASSERT_TRUE(frame.CurvePixel(0, run_.ResultAt(40, 1), run_.ResultAt(40, 2), tip));
  // The strokes start at (x + 4.8, y + 8) and (x - 4.8, y + 8), truncated.
  EXPECT_EQ(picture.pixel(tip.x + 4, tip.y + 8), kRed);
  EXPECT_EQ(picture.pixel(tip.x - 5, tip.y + 8), kRed);
  EXPECT_EQ(picture.pixel(tip.x + 4, tip.y - 8), kWhite);
  EXPECT_EQ(picture.pixel(tip.x - 7, tip.y + 8), kWhite);
}

TEST_F(PlotPainterTest, RunsTooShortForAnArrowAreStillDrawn) {
  for (int n : {0, 1}) {
    test::FillTimeRun(run_, n, 0.5f, 2, [](int v, double t) { return v == 1 ? t : 1 - t; });
    SetUpTimePlot(run_, true, state_, messenger_);
    const QImage picture = Paint();
    EXPECT_EQ(CurveColour(picture, n, 1, 2), kRed) << n;
  }
}

TEST_F(PlotPainterTest, AnAreaOfALargerDeviceHoldsThePictureAndNothingBeyond) {
  SetUpTimeRun();
  const QImage alone = Paint(300, 160);
  QImage larger(400, 260, QImage::Format_RGB32);
  larger.fill(kGreen);
  {
    QPainter painter(&larger);
    PaintPlot(painter, QRect(50, 70, 300, 160), run_, state_, settings_);
  }
  EXPECT_EQ(larger.copy(50, 70, 300, 160), alone);
  // Curves far off the axes are not drawn over the rest of the device.
  test::FillTimeRun(run_, 50, 0.1f, 1, [](int, double t) { return t < 2 ? 0.5 : 1e6; });
  state_.axes = FreshAxesFrom(state_.auto_axes);  // still -1..1
  larger.fill(kGreen);
  {
    QPainter painter(&larger);
    PaintPlot(painter, QRect(50, 70, 300, 160), run_, state_, settings_);
  }
  for (int y = 0; y < larger.height(); ++y) {
    for (int x = 0; x < larger.width(); ++x) {
      if (!QRect(50, 70, 300, 160).contains(x, y)) ASSERT_EQ(larger.pixel(x, y), kGreen) << x;
    }
  }
}

TEST_F(PlotPainterTest, TwiceThePixelsKeepTheLogicalPlaceAndWidthOfEveryLine) {
  SetUpTimeRun();
  settings_.GridEnable = false;
  settings_.Styles[1][2] = 2;  // control point 1 two pixels wide
  QImage sharp(1280, 800, QImage::Format_RGB32);
  sharp.setDevicePixelRatio(2);
  PaintPlot(sharp, run_, state_, settings_);
  // The vertical axis at logical x 30 is two device pixels wide.
  int black = 0;
  for (int x = 50; x < 70; ++x) black += sharp.pixel(x, 300) == kBlack;
  EXPECT_EQ(black, 2);
  EXPECT_EQ(sharp.pixel(60, 300), kBlack);
  // The line of 0.5 at logical y 110, width 2: four device pixels.
  int red = 0;
  for (int y = 210; y < 230; ++y) red += sharp.pixel(400, y) == kRed;
  EXPECT_EQ(red, 4);
}

}  // namespace
}  // namespace kortiv
