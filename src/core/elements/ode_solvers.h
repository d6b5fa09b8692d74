#pragma once

#include <span>
#include <utility>
#include <vector>

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

// Explicit multistep formulas over the derivatives f(i), f(i-1), ... of the
// points already known.
template <typename F>
double AdamsBashforth2(double y, double h, F f, int i) {
  return y + h / 2 * (3 * f(i) - f(i - 1));
}
template <typename F>
double AdamsBashforth3(double y, double h, F f, int i) {
  return y + h / 12 * (23 * f(i) - 16 * f(i - 1) + 5 * f(i - 2));
}
template <typename F>
double AdamsBashforth4(double y, double h, F f, int i) {
  return y + h / 24 * (55 * f(i) - 59 * f(i - 1) + 37 * f(i - 2) - 9 * f(i - 3));
}
template <typename F>
double AdamsMoulton4(double y, double h, double f_next, F f, int i) {
  return y + h / 24 * (9 * f_next + 19 * f(i) - 5 * f(i - 1) + f(i - 2));
}

// Point i of a series, as a right-hand side b(i).
struct SeriesValues {
  std::span<const double> values;
  double operator()(int i) const { return values[i]; }
};

// The formulas of SolveOrder1 one point at a time: with y[0] set, Next(i)
// sets y[i + 1] from the points up to i and the right-hand side b(0..i+1).
// The slopes b(i) - a y[i] are worked out as they are needed rather than
// held.
template <typename RightHandSide>
class Order1Solver {
 public:
  Order1Solver(double h, float a, int ode_method, RightHandSide b, std::span<double> y)
      : h_(h), a_(a), method_(ode_method), b_(std::move(b)), y_(y) {}

  void Next(int i) {
    auto slope = [this](int k) { return b_(k) - a_ * y_[k]; };
    if (i == 0 || method_ == 0) {
      y_[i + 1] = y_[i] + h_ * slope(i);
    } else if (i == 1 || method_ == 1) {
      y_[i + 1] = AdamsBashforth2(y_[i], h_, slope, i);
    } else if (i == 2) {
      y_[i + 1] = AdamsBashforth3(y_[i], h_, slope, i);
    } else {
      const double predicted = AdamsBashforth4(y_[i], h_, slope, i);
      y_[i + 1] = AdamsMoulton4(y_[i], h_, b_(i + 1) - a_ * predicted, slope, i);
    }
  }

 private:
  double h_;
  float a_;
  int method_;
  RightHandSide b_;
  std::span<double> y_;
};

// Whether SolveOrderN accepts the leading coefficient a[q].
bool LeadingCoefficientIsOne(std::span<const float> a);

// The formulas of SolveOrderN one point at a time over room for `points`
// points: Start sets point 0 (rhs[0] must be known), Next(i) point i + 1
// (rhs[i + 1] must be known). Row i of the state holds (y, y', ...,
// y^(q-1)) at point i, with the row of its derivatives.
class OrderNSolver {
 public:
  OrderNSolver(double h, int ode_method, std::span<const float> a, std::span<const double> rhs,
               int points);
  void Start(std::span<const double> z0);
  void Next(int i);
  double Value(int i) const { return z_[static_cast<std::size_t>(i) * q_]; }

 private:
  double& Z(int i, int j) { return z_[static_cast<std::size_t>(i) * q_ + j]; }
  double& G(int i, int j) { return g_[static_cast<std::size_t>(i) * q_ + j]; }
  // The highest derivative from the equation over row i as it stands.
  double Highest(int i);
  void Derive(int i);

  double h_;
  bool fourth_order_;
  int q_;
  std::span<const float> a_;
  std::span<const double> rhs_;
  std::vector<double> z_, g_;
};

}  // namespace kortiv
