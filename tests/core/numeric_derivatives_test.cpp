#include "elements/numeric_derivatives.h"

#include <cmath>

#include "element_fixture.h"

namespace kortiv {
namespace {

class NumericDerivatives : public test::ElementFixture {
 protected:
  // x_i = p(i h) for points 0..last.
  template <typename F>
  Series Sampled(int last, F p) {
    Series x(last + 1);
    for (int i = 0; i <= last; ++i) x[i] = p(i * run.h);
    return x;
  }
};

TEST_F(NumericDerivatives, FirstPointSeesAZeroBeforeTheStart) {
  TimeRun(0.5f, 6);
  const Series x = Constant(3.0);
  settings.DerivMethod = 0;
  EXPECT_DOUBLE_EQ(Derivativ1(context, 6, x)[0], 6.0);  // x0 / h
  settings.DerivMethod = 1;
  EXPECT_DOUBLE_EQ(Derivativ1(context, 6, x)[0], 6.0);
  settings.DerivMethod = 2;
  EXPECT_DOUBLE_EQ(Derivativ1(context, 6, x)[0], 9.0);  // (4 x0 - x1) / 2h
  EXPECT_DOUBLE_EQ(Derivativ1(context, 0, x)[0], 6.0);  // a single point
}

TEST_F(NumericDerivatives, EachMethodIsExactForPolynomialsOfItsDegree) {
  TimeRun(0.5f, 8);
  settings.DerivMethod = 0;
  Series d = Derivativ1(context, 8, Sampled(8, [](double t) { return 3 * t - 1; }));
  for (int i = 1; i <= 8; ++i) EXPECT_DOUBLE_EQ(d[i], 3.0) << i;

  settings.DerivMethod = 1;
  d = Derivativ1(context, 8, Sampled(8, [](double t) { return t * t; }));
  for (int i = 2; i <= 8; ++i) EXPECT_DOUBLE_EQ(d[i], 2 * i * 0.5) << i;

  settings.DerivMethod = 2;
  d = Derivativ1(context, 8, Sampled(8, [](double t) { return t * t * t * t; }));
  for (int i = 1; i <= 7; ++i) EXPECT_NEAR(d[i], 4 * std::pow(i * 0.5, 3), 1e-12) << i;
  d = Derivativ1(context, 8, Sampled(8, [](double t) { return t * t; }));
  EXPECT_DOUBLE_EQ(d[8], 8.0);  // three-point backward formula
}

TEST_F(NumericDerivatives, ShortSeriesUseTheirOwnFormulas) {
  TimeRun(0.5f, 3);
  const Series x = Sampled(3, [](double t) { return t * t; });  // 0, .25, 1, 2.25
  settings.DerivMethod = 1;
  Series d = Derivativ1(context, 2, x);
  EXPECT_DOUBLE_EQ(d[1], 0.5);
  EXPECT_DOUBLE_EQ(d[2], 1.5);  // (x2 - x1) / h
  settings.DerivMethod = 2;
  d = Derivativ1(context, 3, x);
  EXPECT_DOUBLE_EQ(d[0], -0.25);  // (4 x0 - x1) / 2h
  EXPECT_DOUBLE_EQ(d[1], 0.5);
  EXPECT_DOUBLE_EQ(d[2], 2.0);
  EXPECT_DOUBLE_EQ(d[3], 3.0);
}

TEST_F(NumericDerivatives, SecondDerivativeOfAParabolaHasTheRightSignEverywhere) {
  TimeRun(1.0f, 8);
  for (int method : {0, 1, 2}) {
    settings.DerivMethod = method;
    for (int n : {2, 3, 4, 8}) {
      const Series d2 = Derivativ2(context, n, Sampled(n, [](double t) { return t * t; }));
      for (int i = 0; i <= n; ++i) EXPECT_DOUBLE_EQ(d2[i], 2.0) << method << ' ' << n << ' ' << i;
    }
  }
  EXPECT_EQ(Derivativ2(context, 1, Constant(5.0)), Series(2, 0.0));
  EXPECT_EQ(Derivativ2(context, 0, Constant(5.0)), Series(1, 0.0));
}

TEST_F(NumericDerivatives, FourthOrderSecondDerivativeIsExactForQuartics) {
  TimeRun(0.5f, 9);
  settings.DerivMethod = 2;
  const Series d2 = Derivativ2(context, 9, Sampled(9, [](double t) { return t * t * t * t; }));
  for (int i = 1; i <= 8; ++i) EXPECT_NEAR(d2[i], 12 * std::pow(i * 0.5, 2), 1e-11) << i;
}

TEST_F(NumericDerivatives, SecondDerivativeDividesBy12HSquaredWithoutRoundingIt) {
  // Only h^2 is single precision: 12 h^2 must not be rounded to a float
  // again, or a parabola's second derivative misses 2/h^2 in the last bits.
  TimeRun(0.1f, 8);
  settings.DerivMethod = 2;
  const float h2 = run.h * run.h;
  Series parabola(9);
  for (int i = 0; i <= 8; ++i) parabola[i] = i * i;
  const Series exact = Derivativ2(context, 8, parabola);
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(exact[i], 2.0 / h2) << i;
}

TEST_F(NumericDerivatives, DerivativeSumBuildsOddDerivativesFromEvenOnes) {
  TimeRun(0.5f, 10);
  settings.DerivMethod = 1;
  const Series cubic = Sampled(10, [](double t) { return t * t * t; });
  // x''' as the first derivative of x'': 6 wherever both formulas are exact.
  const Series third = DerivativeSum(context, 10, std::array{0.0f, 0.0f, 0.0f, 1.0f}, cubic);
  for (int i = 2; i <= 10; ++i) EXPECT_NEAR(third[i], 6.0, 1e-12) << i;
  const Series sum = DerivativeSum(context, 10, std::array{1.0f, 2.0f, 3.0f},
                                   Sampled(10, [](double t) { return t * t; }));
  for (int i = 2; i <= 10; ++i) {
    const double t = i * 0.5;
    EXPECT_NEAR(sum[i], t * t + 2 * (2 * t) + 3 * 2, 1e-12) << i;
  }
}

TEST_F(NumericDerivatives, ALargeDerivativeMarksTheLastSuchPointAsTheEndOfTheRun) {
  TimeRun(0.01f, 200);
  Series x = Constant(0.0);
  for (int i = 120; i <= 200; ++i) x[i] = 1e10;  // a jump of 1e12 per second
  Derivativ1(context, 200, x);
  EXPECT_TRUE(run.diverged);
  EXPECT_EQ(run.last_point, 120);

  TimeRun(0.01f, 200);
  run.diverged = false;
  x[150] = std::nan("");
  Derivativ1(context, 200, x);
  EXPECT_TRUE(run.diverged);
  EXPECT_EQ(run.last_point, 151);  // the NaN shows at 150 and 151

  TimeRun(0.01f, 200);
  run.diverged = false;
  Derivativ2(context, 200, Constant(1e8));  // only the first point is huge
  EXPECT_FALSE(run.diverged);
  EXPECT_EQ(run.last_point, 200);
}

TEST_F(NumericDerivatives, NegativeCountIsReported) {
  TimeRun(0.1f, 3);
  EXPECT_TRUE(Derivativ1(context, -1, Constant(1.0)).empty());
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Ошибка вызова Derivativ1!"});
}

}  // namespace
}  // namespace kortiv
