#include "results/plot_decor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "axis_ticks_checks.h"
#include "results/plot_frame.h"
#include "results/plot_state.h"

namespace kortiv {

void PrintTo(const Pixel& p, std::ostream* os) {
  *os << "(" << p.x << ", " << p.y << ")";
}
void PrintTo(const Label& l, std::ostream* os) {
  PrintTo(l.at, os);
  *os << " \"" << l.text << "\"";
}
void PrintTo(const Stroke& s, std::ostream* os) {
  PrintTo(s.from, os);
  *os << "-";
  PrintTo(s.to, os);
  *os << (s.dotted ? " dotted" : " solid");
}

namespace {

using test::Axis;

PlotState State(AxisTicks x, AxisTicks y) {
  PlotState state;
  state.axes.x = std::move(x);
  state.axes.y[0] = std::move(y);
  return state;
}

// 640 x 400 gives a plot area of 580 x 360 pixels from (30, 20).
constexpr int kWidth = 640;
constexpr int kHeight = 400;

std::vector<Label> LabelsWith(const PlotDecor& decor, const std::string& text) {
  std::vector<Label> found;
  for (const Label& label : decor.labels) {
    if (label.text == text) found.push_back(label);
  }
  return found;
}

std::vector<std::string> Texts(const PlotDecor& decor) {
  std::vector<std::string> texts;
  for (const Label& label : decor.labels) texts.push_back(label.text);
  return texts;
}

TEST(PlotFrame, AxisLinesFollowTheSignsOfTheRanges) {
  // x -1..4: 116 pixels per unit, the vertical axis at 30 + 116.
  // y -0.5..2.5: 120 pixels per unit, the horizontal axis 60 above the bottom.
  const PlotFrame inner(kWidth, kHeight, State(Axis(-1, 4, 10), Axis(-0.5, 2.5, 6)));
  EXPECT_EQ(inner.PlotWidth(), 580);
  EXPECT_EQ(inner.PlotHeight(), 360);
  EXPECT_EQ(inner.X0(), 146);
  EXPECT_EQ(inner.Y0(0), 320);
  EXPECT_EQ(inner.TickX(4.0f), 610);
  EXPECT_EQ(inner.TickY(0, 2.5f), 20);

  const PlotFrame positive(kWidth, kHeight, State(Axis(0, 5, 10), Axis(0, 1, 10)));
  EXPECT_EQ(positive.X0(), 30);
  EXPECT_EQ(positive.Y0(0), 380);

  const PlotFrame negative(kWidth, kHeight, State(Axis(-5, 0, 10), Axis(-2, 0, 10)));
  EXPECT_EQ(negative.X0(), 610);
  EXPECT_EQ(negative.Y0(0), 20);
}

TEST(PlotFrame, PositionsTruncateTowardZero) {
  // 580 pixels over 3 units: the tick 1 lies at 30 + 193.33.
  const PlotFrame frame(kWidth, kHeight, State(Axis(0, 3, 6), Axis(0, 7, 7)));
  EXPECT_EQ(frame.TickX(1.0f), 223);
  EXPECT_EQ(frame.TickY(0, 1.0f), 328);  // 380 - 51.43
}

TEST(PlotFrame, CurvePixelsUseTheAxisExponents) {
  // x ticks 0..5 times 10, y ticks 0..2 times 0.01.
  const PlotFrame frame(kWidth, kHeight, State(Axis(0, 5, 10, 1), Axis(0, 2, 10, -2)));
  Pixel p;
  ASSERT_TRUE(frame.CurvePixel(0, 25.0, 0.01, p));
  EXPECT_EQ(p, (Pixel{30 + 290, 380 - 180}));
  ASSERT_TRUE(frame.CurvePixel(0, 50.0, 0.0, p));
  EXPECT_EQ(p, (Pixel{610, 380}));
  // Outside the axes nothing is clipped.
  ASSERT_TRUE(frame.CurvePixel(0, -10.0, -0.01, p));
  EXPECT_EQ(p, (Pixel{30 - 116, 380 + 180}));
}

TEST(PlotFrame, ValuesAtAPointUndoTheCurvePixel) {
  const PlotFrame frame(kWidth, kHeight, State(Axis(0, 5, 10, 1), Axis(-1, 2, 6, -2)));
  EXPECT_DOUBLE_EQ(frame.ValueAtX(30 + 290), 25.0);
  EXPECT_DOUBLE_EQ(frame.ValueAtX(30), 0.0);
  EXPECT_DOUBLE_EQ(frame.ValueAtY(0, 20), 0.02);
  EXPECT_DOUBLE_EQ(frame.ValueAtY(0, 380), -0.01);
  EXPECT_NEAR(frame.ValueAtY(0, 260), 0.0, 1e-12);
  // An axis without extent puts everything on its first tick.
  const PlotFrame flat(kWidth, kHeight, State(Axis(3, 3, 1), Axis(0, 1, 10)));
  EXPECT_DOUBLE_EQ(flat.ValueAtX(400), 3.0);
}

TEST(PlotFrame, CurvePixelsOfValuesThatAreNoNumbersOrHuge) {
  const PlotFrame frame(kWidth, kHeight, State(Axis(0, 5, 10), Axis(0, 1, 10)));
  Pixel p;
  EXPECT_FALSE(frame.CurvePixel(0, std::nan(""), 0.5, p));
  EXPECT_FALSE(frame.CurvePixel(0, 1.0, std::nan(""), p));
  ASSERT_TRUE(frame.CurvePixel(0, 1.0, -1e10, p));
  EXPECT_EQ(p.x, 146);
  EXPECT_GT(p.y, 100000);
  ASSERT_TRUE(frame.CurvePixel(0, std::numeric_limits<double>::infinity(), 0.5, p));
  EXPECT_GT(p.x, 100000);
}

TEST(PlotDecor, GridLinesAtEveryTickThenTheAxes) {
  const PlotState state = State(Axis(-1, 4, 10), Axis(-0.5, 2.5, 6));
  const PlotDecor decor = LayOutDecor(PlotFrame(kWidth, kHeight, state), state, true, '.');
  ASSERT_EQ(decor.strokes.size(), 11u + 7u + 2u);
  for (int i = 0; i <= 10; ++i) {
    const int x = 30 + 58 * i;
    EXPECT_EQ(decor.strokes[i], (Stroke{{x, 20}, {x, 380}, true}));
  }
  for (int j = 0; j <= 6; ++j) {
    const int y = 380 - 60 * j;
    EXPECT_EQ(decor.strokes[11 + j], (Stroke{{30, y}, {610, y}, true}));
  }
  EXPECT_EQ(decor.strokes[18], (Stroke{{146, 20}, {146, 380}, false}));
  EXPECT_EQ(decor.strokes[19], (Stroke{{30, 320}, {610, 320}, false}));
}

TEST(PlotDecor, TickMarksOnTheAxesWithoutGrid) {
  const PlotState state = State(Axis(-1, 4, 10), Axis(-0.5, 2.5, 6));
  const PlotDecor decor = LayOutDecor(PlotFrame(kWidth, kHeight, state), state, false, '.');
  ASSERT_EQ(decor.strokes.size(), 20u);
  EXPECT_EQ(decor.strokes[1], (Stroke{{88, 318}, {88, 323}, false}));
  EXPECT_EQ(decor.strokes[12], (Stroke{{144, 320}, {149, 320}, false}));
  EXPECT_TRUE(std::none_of(decor.strokes.begin(), decor.strokes.end(),
                           [](const Stroke& s) { return s.dotted; }));
}

TEST(PlotDecor, TickLabelsLeaveZeroToTheZeroLabel) {
  const PlotState state = State(Axis(-1, 4, 10), Axis(-0.5, 2.5, 6));
  const PlotDecor decor = LayOutDecor(PlotFrame(kWidth, kHeight, state), state, true, ',');
  // x labels below the axis, 10 pixels left of their tick.
  EXPECT_EQ(LabelsWith(decor, "-1"), (std::vector<Label>{{{20, 322}, "-1"}}));
  EXPECT_EQ(LabelsWith(decor, "3,5"), (std::vector<Label>{{{542, 322}, "3,5"}}));
  // y labels 27 pixels left of the vertical axis and 6 above their tick.
  EXPECT_EQ(LabelsWith(decor, "-0,5"),
            (std::vector<Label>{{{78, 322}, "-0,5"}, {{119, 374}, "-0,5"}}));
  EXPECT_EQ(LabelsWith(decor, "2,5"),
            (std::vector<Label>{{{426, 322}, "2,5"}, {{119, 14}, "2,5"}}));
  // One "0": both ranges reach well below zero.
  EXPECT_EQ(LabelsWith(decor, "0"), (std::vector<Label>{{{136, 322}, "0"}}));
  EXPECT_EQ(decor.labels.size(), 10u + 6u + 1u);
}

TEST(PlotDecor, SmallTicksAreLabelledOnlyWithManualLimits) {
  PlotState state = State(Axis(-0.03, 0.07, 10), Axis(0, 1, 10));
  const auto automatic = LayOutDecor(PlotFrame(kWidth, kHeight, state), state, true, '.');
  EXPECT_TRUE(LabelsWith(automatic, "0.01").empty());
  EXPECT_EQ(LabelsWith(automatic, "0.05").size(), 1u);
  state.manual_x = true;
  const auto manual = LayOutDecor(PlotFrame(kWidth, kHeight, state), state, true, '.');
  EXPECT_EQ(LabelsWith(manual, "0.01").size(), 1u);
  EXPECT_EQ(LabelsWith(manual, "-0.03").size(), 1u);
  EXPECT_EQ(LabelsWith(manual, "0").size(), 1u);  // the zero tick keeps the "0" label only
  for (const Label& label : manual.labels) {
    EXPECT_EQ(label.text.find('E'), std::string::npos) << label.text;
  }
}

TEST(PlotDecor, PlacesOfTheZeroLabel) {
  struct Case {
    AxisTicks x, y;
    Pixel at;
  };
  const std::vector<Case> cases{
      // Both ranges start at zero: left of the axis, below it.
      {Axis(0, 5, 10), Axis(0, 1, 10), {15, 382}},
      // x from zero, y reaching below -0.05 and above 0.05.
      {Axis(0, 5, 10), Axis(-1, 1, 10), {15, 196}},
      // x from zero, y ending below 0.05.
      {Axis(0, 5, 10), Axis(-1, 0, 10), {15, 2}},
      // x ending at zero: right of the axis.
      {Axis(-5, 0, 10), Axis(0, 1, 10), {612, 382}},
      // x reaching well below and above zero, y from zero.
      {Axis(-1, 4, 10), Axis(0, 1, 10), {142, 382}},
      // x and y across zero, y ending below 0.05.
      {Axis(-1, 4, 10), Axis(-1, 0, 10), {136, 2}},
      // Only x holds zero.
      {Axis(-1, 4, 10), Axis(1, 2, 10), {142, 382}},
      {Axis(-1, 4, 10), Axis(-2, -1, 10), {142, 2}},
      // Only y holds zero.
      {Axis(1, 6, 10), Axis(-1, 1, 10), {15, 196}},
      {Axis(-6, -1, 10), Axis(-1, 1, 10), {612, 196}},
  };
  for (const Case& c : cases) {
    const PlotState state = State(c.x, c.y);
    const auto decor = LayOutDecor(PlotFrame(kWidth, kHeight, state), state, true, '.');
    EXPECT_EQ(LabelsWith(decor, "0"), (std::vector<Label>{{c.at, "0"}}))
        << c.x.First() << ".." << c.x.Last() << " x " << c.y.First() << ".." << c.y.Last();
  }
  const PlotState neither = State(Axis(1, 6, 10), Axis(1, 2, 10));
  EXPECT_TRUE(LabelsWith(LayOutDecor(PlotFrame(kWidth, kHeight, neither), neither, true, '.'), "0")
                  .empty());
}

TEST(PlotDecor, LowTopMovesTheXLabelsToTheTop) {
  const PlotState state = State(Axis(0, 5, 10), Axis(-1, 0, 10));
  const auto decor = LayOutDecor(PlotFrame(kWidth, kHeight, state), state, true, '.');
  EXPECT_EQ(LabelsWith(decor, "5"), (std::vector<Label>{{{600, 2}, "5"}}));
}

TEST(PlotDecor, LogFrequencyLabelsShowTheFrequency) {
  PlotState state;
  state.log_frequency_axis = true;
  state.axes.x.count = 6;
  state.axes.x.ticks = {-1.0f,
                        static_cast<float>(-1 + std::log10(2.0)),
                        static_cast<float>(-1 + std::log10(6.0)),
                        0.0f,
                        1.0f,
                        2.0f,
                        3.0f};
  state.axes.y[0] = Axis(0, 1, 10);
  const auto decor = LayOutDecor(PlotFrame(kWidth, kHeight, state), state, true, '.');
  const std::vector<std::string> texts = Texts(decor);
  const std::vector<std::string> x_texts(texts.begin(), texts.begin() + 7);
  EXPECT_EQ(x_texts, (std::vector<std::string>{"0.1", "0.2", "0.6", "1", "10", "100", "1E03"}));
  // Zero on the frequency axis means nothing, so only the y range places
  // the "0": above the axis, right of the vertical axis at frequency 1.
  EXPECT_EQ(LabelsWith(decor, "0"), (std::vector<Label>{{{177, 376}, "0"}}));
}

TEST(PlotDecor, PowerLabels) {
  PlotState state = State(Axis(0, 5, 10, 1), Axis(0, 2, 10, -2));
  auto decor = LayOutDecor(PlotFrame(kWidth, kHeight, state), state, true, '.');
  EXPECT_EQ(LabelsWith(decor, "(x10)"), (std::vector<Label>{{{596, 366}, "(x10)"}}));
  EXPECT_EQ(LabelsWith(decor, "(x0.01)"), (std::vector<Label>{{{3, 2}, "(x0.01)"}}));

  state = State(Axis(0, 5, 10, -5), Axis(-1, 0, 10, 7));
  decor = LayOutDecor(PlotFrame(kWidth, kHeight, state), state, true, '.');
  const std::vector<Label> expected{{{596, 22}, "(x10"}, {{618, 18}, "-5"}, {{636, 22}, ")"},
                                    {{3, 2}, "(x10"},    {{25, -2}, "7"},   {{43, 2}, ")"}};
  const std::vector<Label> tail(decor.labels.end() - 6, decor.labels.end());
  EXPECT_EQ(tail, expected);
}

TEST(PlotDecor, SecondValueAxisHasEveryLabelAndItsOwnPower) {
  PlotState state = State(Axis(0, 5, 10), Axis(0, 1, 10, 1));
  state.first_axis = 0;
  state.last_axis = 1;
  state.axes.y[1] = Axis(-2, 0, 4, -1);
  const auto decor = LayOutDecor(PlotFrame(kWidth, kHeight, state), state, false, '.');
  // Marks to the right of the vertical axis for the five phase ticks.
  const std::vector<Stroke> marks(decor.strokes.begin() + 11 + 11 + 2,
                                  decor.strokes.begin() + 11 + 11 + 2 + 5);
  for (int j = 0; j < 5; ++j) {
    const int y = 380 - 90 * j;
    EXPECT_EQ(marks[j], (Stroke{{30, y}, {33, y}, false}));
  }
  EXPECT_EQ(LabelsWith(decor, "-1.5"), (std::vector<Label>{{{34, 284}, "-1.5"}}));
  EXPECT_EQ(LabelsWith(decor, "0").size(), 2u);  // the phase tick 0 and the crossing
  EXPECT_EQ(LabelsWith(decor, "(x0.1)"), (std::vector<Label>{{{34, 2}, "(x0.1)"}}));
  EXPECT_EQ(LabelsWith(decor, "(x10)"), (std::vector<Label>{{{3, 2}, "(x10)"}}));
}

}  // namespace
}  // namespace kortiv
