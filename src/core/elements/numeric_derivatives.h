#pragma once

#include <span>
#include <vector>

#include "series/eval_context.h"

namespace kortiv {

inline constexpr const char* kDerivativ1CallMessage = "Ошибка вызова Derivativ1!";

// A derivative beyond this bound (or not a number) means the run diverges.
inline constexpr double kDivergenceBound = 1e11;

// Numerical derivatives of points 0..n of a time series with the run's step
// h and the user's DerivMethod (0, 1, 2: first, second, fourth order). The
// signal before point 0 counts as 0, so a step at the start shows at point 0.
// A derivative beyond +-kDivergenceBound in the main loop of a method sets
// the run's divergence flag and lowers LastPoint to that point.

// Sets the run's divergence flag and lowers LastPoint to `point` when the
// derivative there is beyond +-kDivergenceBound or not a number.
void CheckDivergence(RunState& run, int point, double value);

// The first difference at point i, the signal before point 0 counting as 0:
// DerivMethod 0 at every point, and every method at points 0 and 1.
inline double FirstDifference(std::span<const double> x, int i, double h) {
  return i == 0 ? x[0] / h : (x[i] - x[i - 1]) / h;
}

// Whether DerivMethod computes each point of Derivativ1 by the same formula
// whatever the length of the series (the first difference; the higher
// orders use other formulas near the end).
bool FirstDerivativeIsPointwise(int deriv_method);

// Derivativ1 under DerivMethod 0, one point at a time into d[i], with the
// divergence checks a whole-series call over 0..i adds to those over 0..i-1.
void FirstDerivativeStep(RunState& run, double h, std::span<const double> x, int i,
                         std::span<double> d);

// dx/dt at points 0..n; a negative n is reported and gives an empty series.
Series Derivativ1(EvalContext& context, int n, std::span<const double> x);

// d2x/dt2 at points 0..n (0 for n < 2), with h^2 held in single precision.
Series Derivativ2(EvalContext& context, int n, std::span<const double> x);

// s = c0 x + c1 x' + ... + cm x^(m) at points 0..n, m = c.size() - 1. Even
// derivatives are second derivatives of the previous even one, odd ones the
// first derivative of the even one below.
Series DerivativeSum(EvalContext& context, int n, std::span<const float> c,
                     std::span<const double> x);

// Whether DerivativeSum with these coefficients computes each point by the
// same formula whatever the length of the series: no derivative, or the
// first one under a pointwise DerivMethod.
bool DerivativeSumIsPointwise(std::size_t coefficients, int deriv_method);

// DerivativeSum one point at a time where it is pointwise: Step(i) makes
// point i of Values() from x[0..i], with the same divergence checks.
class DerivativeSumSteps {
 public:
  DerivativeSumSteps(RunState& run, std::vector<float> c, std::span<const double> x, int points);
  void Step(int i);
  std::span<const double> Values() const { return sum_; }

 private:
  RunState& run_;
  double h_;
  std::vector<float> c_;
  std::span<const double> x_;
  Series derivative_;
  Series sum_;
};

}  // namespace kortiv
