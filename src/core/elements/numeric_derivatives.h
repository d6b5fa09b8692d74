#pragma once

#include <span>

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

// dx/dt at points 0..n; a negative n is reported and gives an empty series.
Series Derivativ1(EvalContext& context, int n, std::span<const double> x);

// d2x/dt2 at points 0..n (0 for n < 2), with h^2 held in single precision.
Series Derivativ2(EvalContext& context, int n, std::span<const double> x);

// s = c0 x + c1 x' + ... + cm x^(m) at points 0..n, m = c.size() - 1. Even
// derivatives are second derivatives of the previous even one, odd ones the
// first derivative of the even one below.
Series DerivativeSum(EvalContext& context, int n, std::span<const float> c,
                     std::span<const double> x);

}  // namespace kortiv
