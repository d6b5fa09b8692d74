#pragma once

#include <span>

#include "series/eval_context.h"

namespace kortiv {

inline constexpr const char* kLeadingCoefficientNotOneMessage =
    "Коэффициент при старшей производной не 1!";

// Fixed-step solvers of the linear elements over points 0..n of a time run,
// with the run's step h and the user's OdeMethod (0, 1, 2). The right-hand
// side B = DerivativeSum(c, x) is formed once for the whole series.

// y' = B - a*y from y(0) = y0: Euler for OdeMethod 0; Euler then two-step
// Adams-Bashforth for 1; for 2 these start a four-step Adams predictor with
// an Adams-Moulton corrector. Writes y[0..n]; n = 0 writes y0 alone.
void SolveOrder1(EvalContext& context, int n, std::span<const float> c, std::span<const double> x,
                 double y0, float a, Series& y);

// y^(q) + a[q-1] y^(q-1) + ... + a[0] y = DerivativeSum(b, x) with
// q = a.size() - 1 and the initial values z0 = (y, y', ..., y^(q-1)) at
// point 0. OdeMethod 0 and 1 both take the two-step Adams-Bashforth formula
// after an Euler step; 2 as for SolveOrder1. a[q] must be 1 (within float
// rounding); otherwise reports and returns false without writing y.
bool SolveOrderN(EvalContext& context, int n, std::span<const double> x, std::span<const double> z0,
                 std::span<const float> a, std::span<const float> b, Series& y);

}  // namespace kortiv
