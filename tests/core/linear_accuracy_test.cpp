// Convergence of the linear elements and of the numerical derivatives to the
// exact answers of their transfer functions as the step is halved.

#include <cmath>
#include <functional>

#include "element_fixture.h"

namespace kortiv {
namespace {

using Exact = std::function<double(double)>;

class LinearAccuracy : public test::ElementFixture {
 protected:
  // The error of the element's response to the input u(t) over 0 <= t <= 2
  // with step h: the largest over points first..last-skip_end, or the error
  // at the last point alone.
  struct Measure {
    Exact input;
    Exact exact;
    int first = 0;
    int skip_end = 0;
    bool last_only = false;
  };

  double Error(int element, double h, const Measure& m) {
    const int last = static_cast<int>(std::lround(2.0 / h));
    TimeRun(static_cast<float>(h), last);
    Series x(last + 1);
    for (int i = 0; i <= last; ++i) x[i] = m.input(i * h);
    const Series y = Linear(element, x);
    if (m.last_only) return std::abs(y[last] - m.exact(last * h));
    double worst = 0;
    for (int i = m.first; i <= last - m.skip_end; ++i) {
      worst = std::max(worst, std::abs(y[i] - m.exact(i * h)));
    }
    return worst;
  }

  // lg2 of the error ratio for h and h/2 (h = 1/128 unless rounding would
  // hide the truncation error there).
  double ObservedOrder(int element, const Measure& m, double h = 1.0 / 128) {
    return std::log2(Error(element, h, m) / Error(element, h / 2, m));
  }
};

double Step(double) {
  return 1.0;
}

// Step responses. Every solver starts with an Euler step, whose error
// stays in the response, so above the first order the observed order is 2.
TEST_F(LinearAccuracy, AperiodicStepResponseConvergesAtTheOrderOfItsMethod) {
  const int e = Add(204, {2.0f, 0.5f, 0.0f});
  const Measure m{Step, [](double t) { return 2 * (1 - std::exp(-t / 0.5)); }};
  const double expected[] = {1.0, 2.0, 2.0};
  for (int method : {0, 1, 2}) {
    settings.OdeMethod = method;
    EXPECT_NEAR(ObservedOrder(e, m), expected[method], 0.05) << "OdeMethod " << method;
  }
  settings.OdeMethod = 1;
  EXPECT_LT(Error(e, 1.0 / 256, m), 2e-4);
}

TEST_F(LinearAccuracy, SecondOrderStepResponsesConvergeAtSecondOrder) {
  const double T = 0.5, d = 0.25, wd = std::sqrt(1 - d * d) / T;
  const int oscillating = Add(211, {1.0f, 0.5f, 0.25f, 0.0f, 0.0f});
  const Measure oscillation{
      Step, [=](double t) {
        return 1 - std::exp(-d * t / T) *
                       (std::cos(wd * t) + d / std::sqrt(1 - d * d) * std::sin(wd * t));
      }};
  const int integrating = Add(208, {1.0f, 0.5f, 0.0f, 0.0f});
  const Measure ramp{Step, [](double t) { return t - 0.5 + 0.5 * std::exp(-t / 0.5); }};
  const int two_lags = Add(210, {3.0f, 0.25f, 1.0f, 0.0f, 0.0f});
  const Measure lags{
      Step, [](double t) { return 3 * (1 - (std::exp(-t) - 0.25 * std::exp(-t / 0.25)) / 0.75); }};
  for (int method : {0, 1, 2}) {
    settings.OdeMethod = method;
    EXPECT_NEAR(ObservedOrder(oscillating, oscillation), 2.0, 0.05) << method;
    EXPECT_NEAR(ObservedOrder(integrating, ramp), 2.0, 0.05) << method;
    EXPECT_NEAR(ObservedOrder(two_lags, lags), 2.0, 0.05) << method;
  }
}

TEST_F(LinearAccuracy, GeneralThirdOrderElementConvergesToItsStepResponse) {
  // 2/(2p^3 + 6p^2 + 6p + 2) = 1/(p+1)^3.
  const int e = Add(212, {0.1f, 3.1f, 2.0f, 2.0f, 6.0f, 6.0f, 2.0f, 0.0f, 0.0f, 0.0f});
  Measure m{Step, [](double t) { return 1 - std::exp(-t) * (1 + t + t * t / 2); }};
  for (int method : {0, 1, 2}) {
    settings.OdeMethod = method;
    EXPECT_NEAR(ObservedOrder(e, m), 2.0, 0.05) << method;
  }
  // Far from the start the Euler step weighs less in the fourth-order
  // setting: its error at t = 2 falls at the third order.
  m.last_only = true;
  EXPECT_NEAR(ObservedOrder(e, m), 3.0, 0.05);
}

// An input that starts smoothly (t^4) makes the starting steps exact to
// high order, so the multistep formulas show their own order.
TEST_F(LinearAccuracy, SmoothInputShowsTheFullOrderOfEachMethod) {
  const Exact quartic = [](double t) { return t * t * t * t; };
  const Exact response = [](double t) {  // y' = t^4 - y, y(0) = 0
    return t * t * t * t - 4 * t * t * t + 12 * t * t - 24 * t + 24 - 24 * std::exp(-t);
  };
  const int first = Add(204, {1.0f, 1.0f, 0.0f});
  const int general = Add(212, {0.1f, 1.1f, 1.0f, 1.0f, 1.0f, 0.0f});
  const double expected_first[] = {1.0, 2.0, 4.0};
  const double expected_general[] = {2.0, 2.0, 4.0};
  for (int method : {0, 1, 2}) {
    settings.OdeMethod = method;
    EXPECT_NEAR(ObservedOrder(first, {quartic, response}), expected_first[method], 0.2) << method;
    EXPECT_NEAR(ObservedOrder(general, {quartic, response}), expected_general[method], 0.2)
        << method;
  }
}

// The differentiator on sin t, away from the points where the one-sided
// formulas take over.
TEST_F(LinearAccuracy, DifferentiatorConvergesAtTheOrderOfItsMethod) {
  const int e = Add(202, {1.0f});
  const Exact sine = [](double t) { return std::sin(t); };
  const Exact cosine = [](double t) { return std::cos(t); };
  settings.DerivMethod = 0;
  EXPECT_NEAR(ObservedOrder(e, {sine, cosine, 1}), 1.0, 0.05);
  settings.DerivMethod = 1;
  EXPECT_NEAR(ObservedOrder(e, {sine, cosine, 2}), 2.0, 0.05);
  settings.DerivMethod = 2;
  EXPECT_NEAR(ObservedOrder(e, {sine, cosine, 1, 1}), 4.0, 0.1);
  // Its last point uses the three-point backward formula.
  EXPECT_NEAR(ObservedOrder(e, {sine, cosine, 0, 0, true}), 2.0, 0.1);
}

TEST_F(LinearAccuracy, SecondDerivativeElementConvergesAtTheOrderOfItsMethod) {
  // 212 with W = p^2 forms x'' of the input.
  const int e = Add(212, {2.1f, 0.1f, 0.0f, 0.0f, 1.0f, 1.0f});
  const Exact sine = [](double t) { return std::sin(t); };
  const Exact minus_sine = [](double t) { return -std::sin(t); };
  settings.DerivMethod = 0;
  EXPECT_NEAR(ObservedOrder(e, {sine, minus_sine, 0}), 2.0, 0.1);
  settings.DerivMethod = 2;
  EXPECT_NEAR(ObservedOrder(e, {sine, minus_sine, 2, 2}, 1.0 / 16), 4.0, 0.1);
}

}  // namespace
}  // namespace kortiv
