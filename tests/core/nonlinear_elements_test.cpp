#include <cmath>

#include "element_fixture.h"

namespace kortiv {
namespace {

class NonlinearElements : public test::ElementFixture {
 protected:
  Series Run(int code, const std::vector<float>& params, const Series& x) {
    TimeRun(0.1f, static_cast<int>(x.size()) - 1);
    Series y;
    EvaluateNonlinear(context, Add(code, params), run.last_point, x, y);
    return y;
  }
  static double Nan() { return std::nan(""); }
};

TEST_F(NonlinearElements, LimiterSaturatesAtTheSlopeTimesItsLimits) {
  EXPECT_EQ(Run(300, {0.5f, -0.5f, 1.0f}, {0.5, 2, -2, 0.25, -0.5}),
            (Series{0.5, 0.5, -0.5, 0.25, -0.5}));
  EXPECT_EQ(Run(300, {1.0f, -2.0f, 3.0f}, {5, -5, 0.5}), (Series{3, -6, 1.5}));
}

TEST_F(NonlinearElements, DeadZoneIsZeroUpToAndIncludingItsBoundaries) {
  const Series y = Run(301, {-0.1f, 0.1f, 1.0f}, {0.1f, 0.3, -0.1f, -0.5, 0});
  EXPECT_EQ(y[0], 0.0);
  EXPECT_NEAR(y[1], 0.2, 1e-7);
  EXPECT_EQ(y[2], 0.0);
  EXPECT_NEAR(y[3], -0.4, 1e-7);
  EXPECT_EQ(y[4], 0.0);
}

TEST_F(NonlinearElements, DeadZoneWithLimitsTakesEachPieceAtItsBoundaries) {
  // B = -2, a1 = -1, a2 = 1, A = 3, k = 2.
  EXPECT_EQ(Run(302, {-2, -1, 1, 3, 2}, {-5, -2, -1.5, -1, 0, 1, 2, 3, 7}),
            (Series{-2, -2, -1, 0, 0, 0, 2, 4, 4}));
}

TEST_F(NonlinearElements, RelaysGiveTheirFixedValues) {
  EXPECT_EQ(Run(305, {-2, 3}, {-0.1, 0, 0.1}), (Series{-2, 0, 3}));
  EXPECT_EQ(Run(306, {-2, 3, -1, 1}, {-1.5, -1, 0, 1, 1.5}), (Series{-2, 0, 0, 0, 3}));
}

TEST_F(NonlinearElements, NotANumberCountsAsBelowEveryLowerBoundary) {
  const Series nan{Nan()};
  EXPECT_EQ(Run(300, {0.5f, -0.5f, 2.0f}, nan)[0], -1.0);
  EXPECT_TRUE(std::isnan(Run(301, {-0.1f, 0.1f, 1.0f}, nan)[0]));
  EXPECT_EQ(Run(302, {-2, -1, 1, 3, 2}, nan)[0], -2.0);
  EXPECT_EQ(Run(305, {-2, 3}, nan)[0], -2.0);
  EXPECT_EQ(Run(306, {-2, 3, -1, 1}, nan)[0], -2.0);
  EXPECT_EQ(Run(307, {-1, 1, -0.2f, 0.2f, 1}, {0, Nan()})[1], -1.0);
  EXPECT_EQ(Run(308, {-0.5f, -0.2f, 0.2f, 0.5f, 1}, {0, Nan()})[1], -1.0);
}

TEST_F(NonlinearElements, BacklashHoldsInsideTheGapAndFollowsOutsideIt) {
  const Series y = Run(303, {0.1f, 1.0f, 0.0f}, {0, 1, 1, 0});
  EXPECT_EQ(y[0], 0.0);
  EXPECT_NEAR(y[1], 0.9, 1e-7);
  EXPECT_EQ(y[2], y[1]);
  EXPECT_NEAR(y[3], 0.1, 1e-7);
  // With slope 2 the gap is k*a wide on the output.
  const Series steep = Run(303, {0.5f, 2.0f, 0.0f}, {0, 0.4, 2, 1.6, 1.0});
  EXPECT_EQ(steep, (Series{0, 0, 3, 3, 3}));
}

TEST_F(NonlinearElements, BacklashHoldsWhenTheInputStandsStillOutsideTheGap) {
  // y(0) = 5 does not fit x = 0; the input does not move, nothing drives the
  // output, and it holds until the input moves; then the rising input takes
  // it to x - a.
  const Series held = Run(303, {0.1f, 1.0f, 5.0f}, {0, 0, 0, 0.5});
  EXPECT_EQ(held[1], 5.0);
  EXPECT_EQ(held[2], 5.0);
  EXPECT_NEAR(held[3], 0.4, 1e-7);
  // The limited backlash clamps the held value: B = -1, A = 1, a = 0.1.
  const Series y = Run(304, {-1, 1, 0.1f, 1, 5}, {0, 0, 0.05});
  EXPECT_EQ(y[0], 5.0);
  EXPECT_NEAR(y[1], 0.9, 1e-7);
  EXPECT_NEAR(y[2], -0.05, 1e-7);
}

TEST_F(NonlinearElements, LimitedBacklashClampsBothWays) {
  // B = -1, A = 1, a = 0.1, k = 2: output limits 2(-1 + 0.1), 2(1 - 0.1).
  const Series y = Run(304, {-1, 1, 0.1f, 2, 0}, {0, 0.5, 3, -3, 0});
  EXPECT_NEAR(y[1], 0.8, 1e-6);
  EXPECT_NEAR(y[2], 1.8, 1e-6);
  EXPECT_NEAR(y[3], -1.8, 1e-6);
  EXPECT_NEAR(y[4], -0.2, 1e-6);  // rising from -1.8: k(x - a)
}

TEST_F(NonlinearElements, SlopeTimesALimitIsNotRoundedToAFloat) {
  const double k = 0.1f;
  EXPECT_EQ(Run(300, {0.7f, 0.3f, 0.1f}, {0, 2}), (Series{k * 0.3f, k * 0.7f}));
  EXPECT_EQ(
      Run(302, {-0.9f, -0.2f, 0.2f, 0.9f, 0.1f}, {-2, 2}),
      (Series{k * (static_cast<double>(-0.9f) + 0.2f), k * (0.9f - static_cast<double>(0.2f))}));
  const Series limited = Run(304, {-0.9f, 0.9f, 0.2f, 0.1f, 0}, {0, 20, -20});
  EXPECT_EQ(limited[1], k * (0.9f - static_cast<double>(0.2f)));
  EXPECT_EQ(limited[2], k * (static_cast<double>(-0.9f) + 0.2f));
}

TEST_F(NonlinearElements, TwoPositionRelayWithHysteresisFollowsTheInputDirection) {
  EXPECT_EQ(Run(307, {-1, 1, -0.2f, 0.2f, -1}, {0, 0.1, 0.1, 0.05, 0.3}),
            (Series{-1, -1, -1, 1, 1}));
  EXPECT_EQ(Run(307, {-1, 1, -0.2f, 0.2f, 1}, {0.3, 0.2f, -0.2f, -0.3}), (Series{1, 1, 1, -1}));
}

TEST_F(NonlinearElements, ThreePositionRelayWithHysteresisDoesNotHold) {
  EXPECT_EQ(Run(308, {-0.5f, -0.2f, 0.2f, 0.5f, 0}, {0, -0.6, -0.3, -0.3, -0.4}),
            (Series{0, -1, -1, 0, 0}));
  EXPECT_EQ(Run(308, {-0.5f, -0.2f, 0.2f, 0.5f, 0}, {0, 0.6, 0.3, 0.3, 0.4, -0.6, -0.3, -0.1}),
            (Series{0, 1, 1, 0, 0, -1, -1, 0}));
}

TEST_F(NonlinearElements, InitialValueIsThePointZeroOutputWhateverTheInput) {
  EXPECT_EQ(Run(307, {-1, 1, -0.2f, 0.2f, 1}, {-5})[0], 1.0);
  EXPECT_EQ(Run(308, {-0.5f, -0.2f, 0.2f, 0.5f, -1}, {5})[0], -1.0);
  EXPECT_EQ(Run(304, {-1, 1, 0.1f, 1, 0.3f}, {-5})[0], static_cast<double>(0.3f));
}

TEST_F(NonlinearElements, PointByPointCallsRepeatTheWholeSeries) {
  const Series x{0, 0.3, 0.1, -0.4, -0.1, 0.6, 0.55, 0.2};
  for (auto [code, params] : std::vector<std::pair<int, std::vector<float>>>{
           {303, {0.1f, 1, 0}}, {304, {-0.5f, 0.5f, 0.1f, 1, 0}}, {307, {-1, 1, -0.2f, 0.2f, 1}}}) {
    const Series whole = Run(code, params, x);
    const int e = scheme.ElementCount();
    for (int n = 0; n <= run.last_point; ++n) {
      Series y;
      EvaluateNonlinear(context, e, n, x, y);
      EXPECT_EQ(y[n], whole[n]) << code << ' ' << n;
    }
  }
}

TEST_F(NonlinearElements, RefusedCallsReport) {
  TimeRun(0.1f, 2);
  const int relay = Add(305, {-1, 1});
  const int gain = Add(200, {1});
  Series y(3, 4.0);
  EXPECT_FALSE(EvaluateNonlinear(context, relay, -1, Constant(1), y));
  EXPECT_FALSE(EvaluateNonlinear(context, relay, 3, Series(4, 1), y));
  EXPECT_FALSE(EvaluateNonlinear(context, gain, 2, Constant(1), y));
  EXPECT_EQ(y, Series(3, 4.0));
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Число точек отрицательно!",
                                                        "Число точек выше максимального!",
                                                        "Ошибка вызова нелинейного элемента!"}));
}

}  // namespace
}  // namespace kortiv
