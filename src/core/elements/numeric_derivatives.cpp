#include "elements/numeric_derivatives.h"

#include <cmath>
#include <utility>

#include "model/user_settings.h"
#include "support/messenger.h"

namespace kortiv {
namespace {

void FirstOrderDerivative(RunState& run, int n, double h, std::span<const double> x, Series& d) {
  d[0] = FirstDifference(x, 0, h);
  for (int i = 1; i <= n; ++i) {
    d[i] = FirstDifference(x, i, h);
    CheckDivergence(run, i, d[i]);
  }
}

double BackwardThreePoint(std::span<const double> x, int i, double h) {
  return (x[i - 2] - 4 * x[i - 1] + 3 * x[i]) / (2 * h);
}

void SecondOrderDerivative(RunState& run, int n, double h, std::span<const double> x, Series& d) {
  d[0] = x[0] / h;
  d[1] = (x[1] - x[0]) / h;
  if (n == 2) {
    d[2] = (x[2] - x[1]) / h;
    return;
  }
  for (int i = 2; i <= n; ++i) {
    d[i] = BackwardThreePoint(x, i, h);
    CheckDivergence(run, i, d[i]);
  }
}

void FourthOrderDerivative(RunState& run, int n, double h, std::span<const double> x, Series& d) {
  d[0] = (4 * x[0] - x[1]) / (2 * h);
  if (n < 4) {
    d[1] = (x[1] - x[0]) / h;
    if (n == 3) d[2] = BackwardThreePoint(x, 2, h);
  } else {
    d[1] = (x[4] - 6 * x[3] + 18 * x[2] - 10 * x[1] - 3 * x[0]) / (12 * h);
    for (int i = 2; i <= n - 2; ++i) {
      d[i] = (8 * (x[i + 1] - x[i - 1]) + x[i - 2] - x[i + 2]) / (12 * h);
      CheckDivergence(run, i, d[i]);
    }
    d[n - 1] = (6 * x[n - 3] - x[n - 4] - 18 * x[n - 2] + 10 * x[n - 1] + 3 * x[n]) / (12 * h);
  }
  d[n] = BackwardThreePoint(x, n, h);
}

// One-sided second differences at the two ends of the series.
double ForwardSecond(std::span<const double> x, int i) {
  return 2 * x[i] - 5 * x[i + 1] + 4 * x[i + 2] - x[i + 3];
}
double BackwardSecond(std::span<const double> x, int i) {
  return 2 * x[i] - 5 * x[i - 1] + 4 * x[i - 2] - x[i - 3];
}

void AddScaled(Series& sum, float factor, const Series& values) {
  for (std::size_t i = 0; i < sum.size(); ++i) sum[i] += factor * values[i];
}

}  // namespace

// A failed check does not stop the loop that made it, so LastPoint ends at
// the last point that failed.
void CheckDivergence(RunState& run, int point, double value) {
  if (!(std::abs(value) <= kDivergenceBound)) {
    run.diverged = true;
    run.last_point = point;
  }
}

bool FirstDerivativeIsPointwise(int deriv_method) {
  return deriv_method != 1 && deriv_method != 2;
}

// A whole series of fewer than three points is not checked; from three on
// every point but the first is.
void FirstDerivativeStep(RunState& run, double h, std::span<const double> x, int i,
                         std::span<double> d) {
  d[i] = FirstDifference(x, i, h);
  if (i == 2) CheckDivergence(run, 1, d[1]);
  if (i >= 2) CheckDivergence(run, i, d[i]);
}

Series Derivativ1(EvalContext& context, int n, std::span<const double> x) {
  if (n < 0) {
    context.messenger.Show(kDerivativ1CallMessage);
    return {};
  }
  const double h = context.run.h;
  Series d(n + 1);
  if (n < 2) {
    for (int i = 0; i <= n; ++i) d[i] = FirstDifference(x, i, h);
    return d;
  }
  switch (context.settings.DerivMethod) {
    case 1:
      SecondOrderDerivative(context.run, n, h, x, d);
      break;
    case 2:
      FourthOrderDerivative(context.run, n, h, x, d);
      break;
    default:
      FirstOrderDerivative(context.run, n, h, x, d);
      break;
  }
  return d;
}

Series Derivativ2(EvalContext& context, int n, std::span<const double> x) {
  if (n < 0) return {};
  Series d(n + 1, 0.0);
  // h^2 is held in single precision; 12 h^2 below is not rounded again.
  const float h2 = context.run.h * context.run.h;
  if (n == 2) {
    d[0] = d[1] = d[2] = (x[2] - 2 * x[1] + x[0]) / h2;
  } else if (n == 3) {
    d[0] = d[1] = ForwardSecond(x, 0) / h2;
    d[2] = d[3] = BackwardSecond(x, 3) / h2;
  } else if (n >= 4) {
    d[0] = ForwardSecond(x, 0) / h2;
    d[n] = BackwardSecond(x, n) / h2;
    if (context.settings.DerivMethod == 2) {
      d[1] = (11 * x[0] - 20 * x[1] + 6 * x[2] + 4 * x[3] - x[4]) / (12.0 * h2);
      for (int i = 2; i <= n - 2; ++i) {
        d[i] = (16 * (x[i + 1] + x[i - 1]) - x[i + 2] - 30 * x[i] - x[i - 2]) / (12.0 * h2);
        CheckDivergence(context.run, i, d[i]);
      }
      d[n - 1] = (11 * x[n] - 20 * x[n - 1] + 6 * x[n - 2] + 4 * x[n - 3] - x[n - 4]) / (12.0 * h2);
    } else {
      for (int i = 1; i <= n - 1; ++i) {
        d[i] = (x[i + 1] - 2 * x[i] + x[i - 1]) / h2;
        CheckDivergence(context.run, i, d[i]);
      }
    }
  }
  return d;
}

Series DerivativeSum(EvalContext& context, int n, std::span<const float> c,
                     std::span<const double> x) {
  Series sum(n + 1);
  for (int i = 0; i <= n; ++i) sum[i] = c[0] * x[i];
  const int m = static_cast<int>(c.size()) - 1;
  Series even_derivative;  // x'' , x'''' , ... as the pairs go on
  std::span<const double> u = x;
  for (int j = 1; j <= m / 2; ++j) {
    AddScaled(sum, c[2 * j - 1], Derivativ1(context, n, u));
    Series next = Derivativ2(context, n, u);
    AddScaled(sum, c[2 * j], next);
    even_derivative = std::move(next);
    u = even_derivative;
  }
  if (m % 2 == 1) AddScaled(sum, c[m], Derivativ1(context, n, u));
  return sum;
}

bool DerivativeSumIsPointwise(std::size_t coefficients, int deriv_method) {
  return coefficients == 1 || (coefficients == 2 && FirstDerivativeIsPointwise(deriv_method));
}

DerivativeSumSteps::DerivativeSumSteps(RunState& run, std::vector<float> c,
                                       std::span<const double> x, int points)
    : run_(run),
      h_(run.h),
      c_(std::move(c)),
      x_(x),
      derivative_(c_.size() > 1 ? points : 0),
      sum_(points) {}

void DerivativeSumSteps::Step(int i) {
  sum_[i] = c_[0] * x_[i];
  if (c_.size() < 2) return;
  FirstDerivativeStep(run_, h_, x_, i, derivative_);
  sum_[i] += c_[1] * derivative_[i];
}

}  // namespace kortiv
