#include <cmath>
#include <complex>
#include <limits>

#include "element_fixture.h"
#include "elements/linear_time.h"
#include "elements/ode_solvers.h"

namespace kortiv {
namespace {

class LinearElements : public test::ElementFixture {};

TEST_F(LinearElements, RefusedCallsReportAndLeaveTheOutputAlone) {
  TimeRun(0.1f, 5);
  const int gain = Add(200, {2.0f});
  const int limiter = Add(300, {1.0f, -1.0f, 1.0f});
  Series y(6, 7.0);
  EXPECT_FALSE(EvaluateLinear(context, gain, -1, Constant(1.0), y));
  EXPECT_FALSE(EvaluateLinear(context, gain, 6, Series(7, 1.0), y));
  EXPECT_FALSE(EvaluateLinear(context, limiter, 5, Constant(1.0), y));
  EXPECT_EQ(y, Series(6, 7.0));
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{"Число точек отрицательно!",
                                                        "Число точек выше максимального!",
                                                        "Ошибка вызова линейного элемента!"}));
  // After a divergence the longer range is accepted.
  messages.Clear();
  run.diverged = true;
  EXPECT_TRUE(EvaluateLinear(context, gain, 6, Series(7, 1.0), y));
  EXPECT_TRUE(messages.entries.empty());
  EXPECT_EQ(y, Series(7, 2.0));
}

TEST_F(LinearElements, IntegratorFollowsTheTrapezoidalRule) {
  TimeRun(0.01f, 100);
  const Series y = Linear(Add(201, {1.0f, 0.0f}), Constant(1.0));
  for (int i = 0; i <= 100; ++i) EXPECT_NEAR(y[i], i * static_cast<double>(0.01f), 1e-12) << i;
  // x = i from y(0) = 1 with Ti = 2: y_i = 1 + h i^2 / 4.
  const Series ramp = Linear(Add(201, {2.0f, 1.0f}), Series{0, 1, 2, 3}, 3);
  for (int i = 0; i <= 3; ++i) EXPECT_NEAR(ramp[i], 1 + 0.01 * i * i / 4, 1e-9) << i;
}

TEST_F(LinearElements, DifferentiatorShowsTheStartingStepAtPointZero) {
  TimeRun(0.1f, 4);
  const Series y = Linear(Add(202, {0.5f}), Constant(1.0));
  EXPECT_DOUBLE_EQ(y[0], 0.5 / 0.1f);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(y[i], 0.0);
}

TEST_F(LinearElements, DelayShiftsByTheTruncatedNumberOfSteps) {
  EXPECT_EQ(DelayPoints(0.25f, 0.1f), 2);
  EXPECT_EQ(DelayPoints(0.5f, 0.1f), 5);
  EXPECT_EQ(DelayPoints(1.0f, 0.001f), 1000);
  EXPECT_EQ(DelayPoints(0.3f, 0.1f), 3);
  EXPECT_EQ(DelayPoints(0.05f, 0.1f), 0);
  EXPECT_EQ(DelayPoints(0.2999f, 0.1f), 2);

  TimeRun(0.1f, 6);
  const Series x{1, 2, 3, 4, 5, 6, 7};
  EXPECT_EQ(Linear(Add(203, {0.25f}), x), (Series{0, 0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(Linear(Add(203, {0.5f}), x), (Series{0, 0, 0, 0, 0, 1, 2}));
  EXPECT_EQ(Linear(Add(203, {0.05f}), x), x);
  EXPECT_EQ(Linear(Add(203, {1.0f}), x), Series(7, 0.0));
}

TEST_F(LinearElements, DelayFromADamagedFileStaysWithinTheSeries) {
  // A model file may hold a delay that the dialog refuses: a negative one
  // looks into the future and shifts by nothing, one beyond any run holds
  // the output at zero.
  EXPECT_EQ(DelayPoints(-0.5f, 0.1f), 0);
  EXPECT_EQ(DelayPoints(std::nanf(""), 0.1f), 0);
  EXPECT_EQ(DelayPoints(1e30f, 1e-5f), std::numeric_limits<int>::max());
  TimeRun(0.1f, 3);
  const Series x{1, 2, 3, 4};
  EXPECT_EQ(Linear(Add(203, {-0.5f}), x), x);
  EXPECT_EQ(Linear(Add(203, {1e30f}), x), Series(4, 0.0));
}

TEST_F(LinearElements, ForcingElementAddsTheDerivativeEvenForOnePoint) {
  TimeRun(0.1f, 3);
  const int e = Add(205, {2.0f, 0.5f});
  EXPECT_DOUBLE_EQ(Linear(e, Series{3.0}, 0)[0], 2 * 3.0 + 2 * 0.5 * 3.0 / 0.1f);
  const Series y = Linear(e, Series{0, 1, 2, 3});
  EXPECT_DOUBLE_EQ(y[3], 2 * 3.0 + 2 * 0.5 * (3.0 - 2.0) / 0.1f);
}

TEST_F(LinearElements, FirstOrderElementsUnderEulerMatchTheExplicitEulerStep) {
  TimeRun(0.1f, 20);
  settings.OdeMethod = 0;
  const double h = 0.1f;
  Series x(21);
  for (int i = 0; i <= 20; ++i) x[i] = std::sin(0.3 * i);
  const Series y = Linear(Add(204, {2.0f, 0.5f, 0.25f}), x);
  double euler = 0.25;
  for (int i = 0; i <= 20; ++i) {
    EXPECT_NEAR(y[i], euler, 1e-12) << i;
    euler += h * (4 * x[i] - 2 * euler);
  }
}

TEST_F(LinearElements, SingleCallsGiveTheInitialValue) {
  TimeRun(0.1f, 3);
  for (auto [code, params] :
       std::vector<std::pair<int, std::vector<float>>>{{204, {1, 1, 0.7f}},
                                                       {206, {1, 1, 0.7f}},
                                                       {207, {1, 1, 2, 0.7f}},
                                                       {208, {1, 1, 0.7f, 3}},
                                                       {209, {1, 1, 0.7f, 3}},
                                                       {210, {1, 1, 2, 0.7f, 3}},
                                                       {211, {1, 1, 0.5f, 0.7f, 3}}}) {
    EXPECT_DOUBLE_EQ(Linear(Add(code, params), Series{5.0}, 0)[0], 0.7f) << code;
  }
}

TEST_F(LinearElements, SecondOrderElementsGiveTheSameResultUnderTheFirstTwoMethods) {
  TimeRun(0.05f, 60);
  Series x(61);
  for (int i = 0; i <= 60; ++i) x[i] = std::cos(0.2 * i);
  for (int e : {Add(208, {1, 0.5f, 0.1f, 0.2f}), Add(209, {2, 0.3f, 0.1f, 0}),
                Add(210, {1, 0.2f, 0.7f, 0, 0}), Add(211, {1, 0.4f, 0.3f, 0, 1})}) {
    settings.OdeMethod = 0;
    const Series first = Linear(e, x);
    settings.OdeMethod = 1;
    EXPECT_EQ(first, Linear(e, x)) << e;
  }
}

TEST_F(LinearElements, RegulatorsAddProportionalDerivativeAndIntegralParts) {
  TimeRun(0.1f, 10);
  const double h = 0.1f;
  const Series pid = Linear(Add(213, {2.0f, 0.5f, 0.25f, 1.0f}), Constant(1.0));
  const Series scaled = Linear(Add(214, {2.0f, 0.5f, 0.25f, 1.0f}), Constant(1.0));
  EXPECT_DOUBLE_EQ(pid[0], 2 + 0.25 / h + 1);
  EXPECT_DOUBLE_EQ(scaled[0], 2 + 2 * 0.25 / h + 1);
  for (int i = 1; i <= 10; ++i) {
    EXPECT_NEAR(pid[i] - 2, 1 + i * h / 0.5, 1e-6) << i;
    EXPECT_NEAR(scaled[i] - 2, 1 + 2 * i * h / 0.5, 1e-6) << i;
    // The integral is kept in single precision.
    EXPECT_EQ(static_cast<float>(pid[i] - 2), pid[i] - 2) << i;
  }
}

TEST_F(LinearElements, CoefficientsAreRoundedToSinglePrecisionOnlyOnce) {
  TimeRun(0.1f, 2);
  const double h = 0.1f;
  // 207 with Td = Ti is k, so its derivative coefficient k Td/Ti is k itself.
  const float c0 = static_cast<float>(3.0 / 0.9f);
  const Series lead_lag = Linear(Add(207, {3.0f, 0.9f, 0.9f, 0.0f}), Constant(1.0), 1);
  EXPECT_DOUBLE_EQ(lead_lag[1], h * (c0 + 3.0 / h));
  // 209 from rest: y2 = 1.5 h^2 k/T^2, with k/T^2 one rounding of the quotient.
  const double t = 1.7f;
  const float b0 = static_cast<float>(1.0 / (t * t));
  const Series conservative = Linear(Add(209, {1.0f, 1.7f, 0.0f, 0.0f}), Constant(1.0), 2);
  EXPECT_DOUBLE_EQ(conservative[2], h / 2 * (3 * (h * b0)));
  // 214's derivative gain k Td is not a parameter and stays unrounded.
  const Series regulator = Linear(Add(214, {0.7f, 1.0f, 0.3f, 0.0f}), Constant(1.0), 0);
  EXPECT_DOUBLE_EQ(regulator[0], 0.7f + static_cast<double>(0.7f) * 0.3f * (1 / h));
}

TEST_F(LinearElements, GeneralElementEqualsTheAperiodicElement) {
  TimeRun(0.05f, 40);
  Series x(41);
  for (int i = 0; i <= 40; ++i) x[i] = i < 10 ? 0.0 : 1.0 + 0.1 * i;
  const int aperiodic = Add(204, {1.0f, 1.0f, 0.5f});
  const int general = Add(212, {0.1f, 1.1f, 1.0f, 1.0f, 1.0f, 0.5f});
  for (int method : {1, 2}) {
    settings.OdeMethod = method;
    const Series a = Linear(aperiodic, x);
    const Series g = Linear(general, x);
    for (int i = 0; i <= 40; ++i) EXPECT_NEAR(a[i], g[i], 1e-12) << method << ' ' << i;
  }
  settings.OdeMethod = 0;
  const Series a = Linear(aperiodic, x);
  const Series g = Linear(general, x);
  EXPECT_EQ(a[0], g[0]);
  EXPECT_EQ(a[1], g[1]);
  EXPECT_NE(a[20], g[20]);  // Euler against the two-step formula
}

TEST_F(LinearElements, GeneralElementNormalisesByTheLeadingCoefficient) {
  TimeRun(0.05f, 40);
  settings.OdeMethod = 2;
  Series x(41);
  for (int i = 0; i <= 40; ++i) x[i] = std::sin(0.25 * i);
  // 3/((0.5p+1)(0.25p+1)) written with a_n = 4.
  const Series built_in = Linear(Add(210, {3.0f, 0.5f, 0.25f, 0.2f, -1.0f}), x);
  const Series general = Linear(Add(212, {0.1f, 2.1f, 96.0f, 32.0f, 24.0f, 4.0f, 0.2f, -1.0f}), x);
  for (int i = 0; i <= 40; ++i) EXPECT_NEAR(general[i], built_in[i], 1e-6) << i;
}

TEST_F(LinearElements, GeneralElementChecksItsLeadingCoefficient) {
  TimeRun(0.1f, 3);
  Series y(4, 9.0);
  EXPECT_FALSE(
      EvaluateLinear(context, Add(212, {0.1f, 1.1f, 1.0f, 1.0f, 0.0f, 0.0f}), 3, Constant(1.0), y));
  EXPECT_EQ(y, Series(4, 9.0));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"Неверно задан старший коэффициент an знаменателя!"});
}

TEST_F(LinearElements, GeneralElementWhoseOrdersDoNotFitItsBlockIsRefused) {
  // Orders from a damaged file: negative, or asking for more values than the
  // block holds.
  TimeRun(0.1f, 3);
  Series y(4, 8.0);
  for (const std::vector<float>& block : {std::vector<float>{0.1f, -1.1f, 1, 1, 0, 0, 0},
                                          std::vector<float>{-1.1f, 1.1f, 1, 1, 1, 0, 0},
                                          std::vector<float>{5.1f, 1.1f, 1, 1, 1, 0, 0}}) {
    EXPECT_FALSE(EvaluateLinear(context, Add(212, block), 3, Constant(1.0), y));
  }
  EXPECT_EQ(y, Series(4, 8.0));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>(3, "Неверно задан старший коэффициент an знаменателя!"));
}

TEST_F(LinearElements, GeneralElementAtASinglePointGivesWhatTheWholeSeriesGivesThere) {
  TimeRun(0.1f, 5);
  const Series x{2, 3, 4, 5, 6, 7};
  const int second_order = Add(212, {0.1f, 2.1f, 1.0f, 1.0f, 1.0f, 1.0f, 0.75f, 0.0f});
  const int derivative_sum = Add(212, {1.1f, 0.1f, 2.0f, 3.0f, 2.0f});
  EXPECT_DOUBLE_EQ(Linear(second_order, x, 0)[0], 0.75f);
  EXPECT_NEAR(Linear(derivative_sum, x, 0)[0], (2 * 2 + 3 * 2 / 0.1) / 2, 1e-5);
  EXPECT_DOUBLE_EQ(Linear(derivative_sum, x)[0], Linear(derivative_sum, x, 0)[0]);
}

// A contour calls every model for n = 0, 1, ..., N; each call must give the
// prefix of the whole-series answer wherever the formulas look only
// backwards: the solvers, and the first-order differences (DerivMethod 0;
// the other methods switch formulas with the length of the series).
TEST_F(LinearElements, PointByPointCallsRepeatTheWholeSeries) {
  TimeRun(0.1f, 12);
  Series x(13);
  for (int i = 0; i <= 12; ++i) x[i] = std::sin(0.7 * i) + 0.1 * i;
  const std::vector<int> without_input_derivatives = {
      Add(204, {1, 0.3f, 0.1f}), Add(211, {1, 0.4f, 0.3f, 0.5f, 1}),
      Add(212, {0.1f, 3.1f, 1, 1, 3, 3, 1, 0.1f, 0.2f, 0.3f}), Add(201, {0.5f, 1})};
  const std::vector<int> with_first_derivative = {
      Add(213, {1, 0.4f, 0.1f, 0.2f}), Add(212, {1.1f, 2.1f, 1, 0.5f, 1, 3, 1, 0.1f, 0.2f})};
  for (int method : {0, 1, 2}) {
    settings.OdeMethod = method;
    std::vector<int> elements = without_input_derivatives;
    elements.insert(elements.end(), with_first_derivative.begin(), with_first_derivative.end());
    for (int e : elements) {
      const Series whole = Linear(e, x);
      for (int n = 0; n <= 12; ++n) {
        EXPECT_DOUBLE_EQ(Linear(e, x, n)[n], whole[n]) << method << ' ' << e << ' ' << n;
      }
    }
  }
}

TEST_F(LinearElements, UnstableSchemeLowersTheLastPoint) {
  TimeRun(0.01f, 300);
  Series x = Constant(0.0);
  for (int i = 120; i <= 300; ++i) x[i] = 1e10;
  Linear(Add(202, {1.0f}), x);
  EXPECT_TRUE(run.diverged);
  EXPECT_EQ(run.last_point, 120);
}

TEST_F(LinearElements, SolverRefusesALeadingCoefficientOtherThanOne) {
  TimeRun(0.1f, 3);
  Series y(4, 8.0);
  const std::array<double, 1> z0{0.5};
  EXPECT_FALSE(
      SolveOrderN(context, 3, Constant(1.0), z0, std::array{1.0f, 1.0001f}, std::array{1.0f}, y));
  EXPECT_EQ(y, Series(4, 8.0));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"Коэффициент при старшей производной не 1!"});
  EXPECT_TRUE(
      SolveOrderN(context, 3, Constant(1.0), z0, std::array{1.0f, 1.000001f}, std::array{1.0f}, y));
  EXPECT_EQ(y[0], 0.5);
}

TEST_F(LinearElements, SolverBoundsAreTheDecimalOnesNotTheirFloats) {
  // The float nearest 0.99999 lies just below it and so outside the range.
  TimeRun(0.1f, 3);
  Series y(4, 8.0);
  const std::array<double, 1> z0{0.5};
  EXPECT_FALSE(
      SolveOrderN(context, 3, Constant(1.0), z0, std::array{1.0f, 0.99999f}, std::array{1.0f}, y));
  EXPECT_EQ(y, Series(4, 8.0));
  EXPECT_TRUE(SolveOrderN(context, 3, Constant(1.0), z0,
                          std::array{1.0f, std::nextafter(0.99999f, 1.0f)}, std::array{1.0f}, y));
}

class LinearFrequency : public test::ElementFixture {
 protected:
  std::complex<double> At(int element, float omega, std::complex<double> input = 1.0) {
    FrequencyRun({omega});
    const Series y = Linear(element, Series{input.real(), input.imag()});
    return {y[0], y[1]};
  }
};

TEST_F(LinearFrequency, AperiodicElementAtItsCornerFrequency) {
  const std::complex<double> y = At(Add(204, {2.0f, 1.0f, 5.0f}), 1.0f);
  EXPECT_DOUBLE_EQ(y.real(), 1.0);
  EXPECT_DOUBLE_EQ(y.imag(), -1.0);
}

TEST_F(LinearFrequency, ConservativeElementAtResonanceGivesSignedHugeValues) {
  const int e = Add(209, {3.0f, 0.5f, 0.0f, 0.0f});
  const std::complex<double> y = At(e, 2.0f, {2.0, -0.5});
  EXPECT_EQ(y, std::complex<double>(1e30, -1e30));
  EXPECT_EQ(At(e, 2.0f, {0.0, 4.0}), std::complex<double>(0.0, 1e30));
  EXPECT_DOUBLE_EQ(At(e, 1.0f).real(), 3.0 / 0.75);
}

// Without damping 0/0 would give no number at all.
TEST_F(LinearFrequency, OscillatoryElementWithoutDampingFollowsTheResonanceRule) {
  const int e = Add(211, {3.0f, 0.5f, 0.0f, 0.0f, 0.0f});
  EXPECT_EQ(At(e, 2.0f, {2.0, -0.5}), std::complex<double>(1e30, -1e30));
  EXPECT_EQ(At(e, 2.0f, {0.0, 0.0}), std::complex<double>(0.0, 0.0));
  EXPECT_DOUBLE_EQ(At(e, 1.0f).real(), 3.0 / 0.75);
  const std::complex<double> damped = At(Add(211, {3.0f, 0.5f, 0.5f, 0.0f, 0.0f}), 2.0f);
  EXPECT_DOUBLE_EQ(damped.real(), 0.0);
  EXPECT_DOUBLE_EQ(damped.imag(), -3.0);
}

TEST_F(LinearFrequency, ConservativeElementNearResonanceKeepsSinglePrecision) {
  // 1 - T^2 w^2 is formed at full precision and then held as a float.
  const double t = 0.1f;
  const float near = 9.9999f;
  const double expected = 2 / (1 - t * t * near * near);
  EXPECT_NEAR(At(Add(209, {2.0f, 0.1f, 0.0f, 0.0f}), near).real(), expected,
              1e-6 * std::abs(expected));
  // The float next to 1/T is no exact resonance, however near.
  const double t3 = 0.3f;
  const float inverse = 1 / 0.3f;
  const double large = 1 / (1 - t3 * t3 * inverse * inverse);
  EXPECT_NEAR(At(Add(209, {1.0f, 0.3f, 0.0f, 0.0f}), inverse).real(), large,
              1e-6 * std::abs(large));
}

TEST_F(LinearFrequency, GeneralElementAtAZeroOfItsDenominatorActsAsAResonance) {
  // 1/(p^2 + 1) at w = 1.
  const int e = Add(212, {0.1f, 2.1f, 1.0f, 1.0f, 0.0f, 1.0f, 0.0f, 0.0f});
  EXPECT_EQ(At(e, 1.0f, {-1.0, 0.0}), std::complex<double>(-1e30, 0.0));
  EXPECT_NEAR(At(e, 2.0f).real(), -1.0 / 3, 1e-7);
}

// Magnitude and phase of each transfer function from its own closed form.
struct Expected {
  int code;
  std::vector<float> params;
  double (*magnitude)(double);
  double (*phase)(double);
};

TEST_F(LinearFrequency, MatchesTheTransferFunctionsToSinglePrecision) {
  const std::vector<Expected> cases = {
      {200, {2.5f}, [](double) { return 2.5; }, [](double) { return 0.0; }},
      {201, {0.5f, 1}, [](double w) { return 1 / (0.5 * w); }, [](double) { return -M_PI / 2; }},
      {202, {0.5f}, [](double w) { return 0.5 * w; }, [](double) { return M_PI / 2; }},
      {203, {0.25f}, [](double) { return 1.0; }, [](double w) { return -0.25 * w; }},
      {204,
       {2, 0.5f, 0},
       [](double w) { return 2 / std::hypot(1, 0.5 * w); },
       [](double w) { return -std::atan(0.5 * w); }},
      {205,
       {2, 0.5f},
       [](double w) { return 2 * std::hypot(1, 0.5 * w); },
       [](double w) { return std::atan(0.5 * w); }},
      {206,
       {2, 0.5f, 0},
       [](double w) { return 2 * w / std::hypot(1, 0.5 * w); },
       [](double w) { return M_PI / 2 - std::atan(0.5 * w); }},
      {207,
       {3, 2, 0.5f, 0},
       [](double w) { return 3 * std::hypot(1, 2 * w) / std::hypot(1, 0.5 * w); },
       [](double w) { return std::atan(2 * w) - std::atan(0.5 * w); }},
      {208,
       {2, 0.5f, 0, 0},
       [](double w) { return 2 / (w * std::hypot(1, 0.5 * w)); },
       [](double w) { return -M_PI / 2 - std::atan(0.5 * w); }},
      {209,
       {2, 0.5f, 0, 0},
       [](double w) { return 2 / std::abs(1 - 0.25 * w * w); },
       [](double w) { return w < 2 ? 0.0 : -M_PI; }},
      {210,
       {2, 0.5f, 0.25f, 0, 0},
       [](double w) { return 2 / (std::hypot(1, 0.5 * w) * std::hypot(1, 0.25 * w)); },
       [](double w) { return -std::atan(0.5 * w) - std::atan(0.25 * w); }},
      {211,
       {2, 0.5f, 0.25f, 0, 0},
       [](double w) { return 2 / std::hypot(1 - 0.25 * w * w, 0.25 * w); },
       [](double w) { return -std::atan2(0.25 * w, 1 - 0.25 * w * w); }},
      {213,
       {2, 0.5f, 0.25f, 0},
       [](double w) { return std::hypot(2, 0.25 * w - 2 / w); },
       [](double w) { return std::atan((0.25 * w - 2 / w) / 2); }},
      {214,
       {2, 0.5f, 0.25f, 0},
       [](double w) { return 2 * std::hypot(1, 0.25 * w - 2 / w); },
       [](double w) { return std::atan(0.25 * w - 2 / w); }},
      // (p + 2)/((p + 1)(p^2 + p + 4)) stored with every coefficient doubled.
      {212,
       {1.1f, 3.1f, 4, 2, 8, 10, 4, 2, 0, 0, 0},
       [](double w) { return std::hypot(2, w) / (std::hypot(1, w) * std::hypot(4 - w * w, w)); },
       [](double w) { return std::atan(w / 2) - std::atan(w) - std::atan2(w, 4 - w * w); }},
  };
  const std::vector<float> omegas = {0.1f, 0.7f, 1.5f, 3.0f, 10.0f, 42.0f};
  for (const Expected& c : cases) {
    const int e = Add(c.code, c.params);
    FrequencyRun(omegas);
    Series x(2 * omegas.size());
    for (std::size_t i = 0; i < omegas.size(); ++i) x[2 * i] = 1.0;
    const Series y = Linear(e, x);
    for (std::size_t i = 0; i < omegas.size(); ++i) {
      const std::complex<double> w(y[2 * i], y[2 * i + 1]);
      const double expected_phase = c.phase(omegas[i]);
      EXPECT_NEAR(std::abs(w), c.magnitude(omegas[i]), 2e-6 * c.magnitude(omegas[i]))
          << c.code << " at " << omegas[i];
      EXPECT_NEAR(std::remainder(std::arg(w) - expected_phase, 2 * M_PI), 0.0, 2e-6)
          << c.code << " at " << omegas[i];
    }
  }
}

TEST_F(LinearFrequency, MultipliesAComplexInput) {
  // (1 - 1j) * (3 + 4j) = 7 + 1j.
  const std::complex<double> y = At(Add(204, {2.0f, 1.0f, 0.0f}), 1.0f, {3.0, 4.0});
  EXPECT_DOUBLE_EQ(y.real(), 7.0);
  EXPECT_DOUBLE_EQ(y.imag(), 1.0);
}

}  // namespace
}  // namespace kortiv
