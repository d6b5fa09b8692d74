#include "elements/linear_time.h"

#include <limits>
#include <optional>
#include <vector>

#include "elements/element_steppers.h"
#include "elements/numeric_derivatives.h"
#include "elements/ode_solvers.h"
#include "model/user_settings.h"

namespace kortiv {
namespace {

// The quotient of two floats may fall short of an exact multiple by a few
// units of the last place; a millionth of it covers that and nothing more.
constexpr double kDelayRoundingTolerance = 1e-6;

// The point formulas of the elements without derivatives of their input:
// each sets y[i] from x[0..i] and y[0..i-1].
struct GainRule {
  float k;
  void operator()(std::span<const double> x, std::span<double> y, int i) const { y[i] = k * x[i]; }
};

// Trapezoidal integral of x/ti from `initial`.
struct IntegralRule {
  double h;
  float ti;
  float initial;
  void operator()(std::span<const double> x, std::span<double> y, int i) const {
    y[i] = i == 0 ? initial : y[i - 1] + h * (x[i - 1] + x[i]) / (2 * ti);
  }
};

struct DelayRule {
  int shift;
  void operator()(std::span<const double> x, std::span<double> y, int i) const {
    y[i] = i < shift ? 0.0 : x[i - shift];
  }
};

template <typename Rule>
void ApplyRule(const Rule& rule, int n, std::span<const double> x, Series& y) {
  for (int i = 0; i <= n; ++i) rule(x, y, i);
}

// The regulators: proportional part, derivative part d1 and an integral
// held in single precision, one point at a time.
class RegulatorRule {
 public:
  RegulatorRule(float k, double derivative_gain, double integral_gain, float initial, double h)
      : k_(k),
        derivative_gain_(derivative_gain),
        integral_gain_(integral_gain),
        h_(h),
        integral_(initial) {}
  void operator()(std::span<const double> x, std::span<const double> d1, std::span<double> y,
                  int i) {
    if (i > 0) {
      integral_ = static_cast<float>(integral_ + integral_gain_ * h_ * (x[i - 1] + x[i]) / 2);
    }
    y[i] = k_ * x[i] + derivative_gain_ * d1[i] + integral_;
  }

 private:
  float k_;
  double derivative_gain_;
  double integral_gain_;
  double h_;
  float integral_;
};

RegulatorRule MakeRegulator(const RunState& run, int code, const ElementParams& p) {
  if (code == 213) return RegulatorRule(p[0], p[2], 1.0 / p[1], p[3], run.h);
  return RegulatorRule(p[0], static_cast<double>(p[0]) * p[2], static_cast<double>(p[0]) / p[1],
                       p[3], run.h);
}

void Regulator(EvalContext& context, int code, const ElementParams& p, int n,
               std::span<const double> x, Series& y) {
  const Series d1 = Derivativ1(context, n, x);
  RegulatorRule rule = MakeRegulator(context.run, code, p);
  for (int i = 0; i <= n; ++i) rule(x, d1, y, i);
}

// 202: the gain times the first derivative.
struct DerivativeGainRule {
  float k;
  void operator()(std::span<const double>, std::span<const double> d1, std::span<double> y,
                  int i) const {
    y[i] = k * d1[i];
  }
};

// The first-order elements 204, 206, 207: y' = DerivativeSum(c, x) - a y.
struct Order1Form {
  std::vector<float> c;
  float y0;
  float a;
};

std::optional<Order1Form> Order1FormOf(int code, const ElementParams& p) {
  switch (code) {
    case 204:
      return Order1Form{{p[0] / p[1]}, p[2], 1.0f / p[1]};
    case 206:
      return Order1Form{{0.0f, p[0] / p[1]}, p[2], 1.0f / p[1]};
    case 207:
      return Order1Form{{p[0] / p[2], static_cast<float>(static_cast<double>(p[0]) * p[1] / p[2])},
                        p[3],
                        1.0f / p[2]};
    default:
      return std::nullopt;
  }
}

// The second-order elements 208..211: y'' + a1 y' + a0 y = b0 x. The
// coefficients come in at full precision and are held as floats, so each is
// rounded once.
struct SecondOrderForm {
  std::vector<double> z0;
  std::vector<float> a;
  std::vector<float> b;
};

SecondOrderForm MakeSecondOrder(const ElementParams& p, int initial_at, double a0, double a1,
                                double b0) {
  return {{p[initial_at], p[initial_at + 1]},
          {static_cast<float>(a0), static_cast<float>(a1), 1.0f},
          {static_cast<float>(b0)}};
}

std::optional<SecondOrderForm> SecondOrderFormOf(int code, const ElementParams& p) {
  switch (code) {
    case 208:
      return MakeSecondOrder(p, 2, 0.0f, 1.0f / p[1], p[0] / p[1]);
    case 209: {
      const double t2 = static_cast<double>(p[1]) * p[1];
      return MakeSecondOrder(p, 2, 1 / t2, 0.0, p[0] / t2);
    }
    case 210: {
      const double t1t2 = static_cast<double>(p[1]) * p[2];
      return MakeSecondOrder(p, 3, 1 / t1t2, (static_cast<double>(p[1]) + p[2]) / t1t2,
                             p[0] / t1t2);
    }
    case 211: {
      const double t2 = static_cast<double>(p[1]) * p[1];
      return MakeSecondOrder(p, 3, 1 / t2, 2.0 * p[2] / p[1], p[0] / t2);
    }
    default:
      return std::nullopt;
  }
}

// 205: k x + k T x'.
std::vector<float> ForcingCoefficients(const ElementParams& p) {
  return {p[0], p[0] * p[1]};
}

bool IsRegulator(int code) {
  return code == 213 || code == 214;
}

}  // namespace

int DelayPoints(float delay, float step) {
  const double points =
      static_cast<double>(delay) / static_cast<double>(step) * (1 + kDelayRoundingTolerance);
  // A negative (or not a number) delay from a damaged file shifts by
  // nothing; one beyond any run by more points than a run has.
  if (!(points > 0)) return 0;
  constexpr int kBeyondAnyRun = std::numeric_limits<int>::max();
  return points < kBeyondAnyRun ? static_cast<int>(points) : kBeyondAnyRun;
}

void EvaluateLinearTime(EvalContext& context, int code, const ElementParams& p, int n,
                        std::span<const double> x, Series& y) {
  const float h = context.run.h;
  if (const auto form = Order1FormOf(code, p)) {
    SolveOrder1(context, n, form->c, x, form->y0, form->a, y);
  } else if (const auto form = SecondOrderFormOf(code, p)) {
    SolveOrderN(context, n, x, form->z0, form->a, form->b, y);
  } else if (IsRegulator(code)) {
    Regulator(context, code, p, n, x, y);
  } else if (code == 200) {
    ApplyRule(GainRule{p[0]}, n, x, y);
  } else if (code == 201) {
    ApplyRule(IntegralRule{h, p[0], p[1]}, n, x, y);
  } else if (code == 202) {
    const Series d1 = Derivativ1(context, n, x);
    const DerivativeGainRule rule{p[0]};
    for (int i = 0; i <= n; ++i) rule(x, d1, y, i);
  } else if (code == 203) {
    ApplyRule(DelayRule{DelayPoints(p[0], h)}, n, x, y);
  } else if (code == 205) {
    const Series sum = DerivativeSum(context, n, ForcingCoefficients(p), x);
    for (int i = 0; i <= n; ++i) y[i] = sum[i];
  }
}

std::unique_ptr<ElementStepper> LinearTimeStepper(EvalContext& context, int code,
                                                  const ElementParams& p, std::span<const double> x,
                                                  std::span<double> y) {
  RunState& run = context.run;
  const float h = run.h;
  const int deriv_method = context.settings.DerivMethod;
  const int ode_method = context.settings.OdeMethod;
  if (auto form = Order1FormOf(code, p)) {
    if (!DerivativeSumIsPointwise(form->c.size(), deriv_method)) return nullptr;
    return std::make_unique<Order1Stepper>(run, ode_method, std::move(form->c), form->y0, form->a,
                                           x, y);
  }
  if (auto form = SecondOrderFormOf(code, p)) {
    return std::make_unique<OrderNStepper>(run, ode_method, std::move(form->a), std::move(form->b),
                                           std::move(form->z0), x, y);
  }
  const bool pointwise_derivative = FirstDerivativeIsPointwise(deriv_method);
  if (IsRegulator(code)) {
    if (!pointwise_derivative) return nullptr;
    return std::make_unique<DerivativeRuleStepper<RegulatorRule>>(MakeRegulator(run, code, p), run,
                                                                  x, y);
  }
  switch (code) {
    case 200:
      return MakeRuleStepper(GainRule{p[0]}, x, y);
    case 201:
      return MakeRuleStepper(IntegralRule{h, p[0], p[1]}, x, y);
    case 202:
      if (!pointwise_derivative) return nullptr;
      return std::make_unique<DerivativeRuleStepper<DerivativeGainRule>>(DerivativeGainRule{p[0]},
                                                                         run, x, y);
    case 203:
      return MakeRuleStepper(DelayRule{DelayPoints(p[0], h)}, x, y);
    case 205:
      if (!DerivativeSumIsPointwise(2, deriv_method)) return nullptr;
      return std::make_unique<DerivativeSumStepper>(run, ForcingCoefficients(p), x, y);
    default:
      return nullptr;
  }
}

}  // namespace kortiv
