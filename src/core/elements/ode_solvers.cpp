#include "elements/ode_solvers.h"

#include <vector>

#include "elements/numeric_derivatives.h"
#include "model/user_settings.h"
#include "support/messenger.h"

namespace kortiv {
namespace {}  // namespace

bool LeadingCoefficientIsOne(std::span<const float> a) {
  return a.back() >= 0.99999 && a.back() <= 1.000001;
}

OrderNSolver::OrderNSolver(double h, int ode_method, std::span<const float> a,
                           std::span<const double> rhs, int points)
    : h_(h),
      fourth_order_(ode_method == 2),
      q_(static_cast<int>(a.size()) - 1),
      a_(a),
      rhs_(rhs),
      z_(static_cast<std::size_t>(points) * q_),
      g_(static_cast<std::size_t>(points) * q_) {}

double OrderNSolver::Highest(int i) {
  double sum = 0;
  for (int k = 0; k < q_; ++k) sum += a_[k] * Z(i, k);
  return rhs_[i] - sum;
}

void OrderNSolver::Derive(int i) {
  for (int j = 0; j + 1 < q_; ++j) G(i, j) = Z(i, j + 1);
  G(i, q_ - 1) = Highest(i);
}

void OrderNSolver::Start(std::span<const double> z0) {
  for (int j = 0; j < q_; ++j) Z(0, j) = z0[j];
  Derive(0);
}

void OrderNSolver::Next(int i) {
  for (int j = 0; j < q_; ++j) {
    auto slope = [this, j](int k) { return G(k, j); };
    if (i == 0) {
      Z(1, j) = Z(0, j) + h_ * G(0, j);
    } else if (i == 1 || !fourth_order_) {
      Z(i + 1, j) = AdamsBashforth2(Z(i, j), h_, slope, i);
    } else if (i == 2) {
      Z(i + 1, j) = AdamsBashforth3(Z(i, j), h_, slope, i);
    } else {
      Z(i + 1, j) = AdamsBashforth4(Z(i, j), h_, slope, i);
    }
  }
  if (fourth_order_ && i >= 3) {
    // Corrects the lower components from the predicted next ones, in
    // increasing order, then the highest from the equation over the state
    // as it then stands.
    const std::vector<double> predicted(&Z(i + 1, 0), &Z(i + 1, 0) + q_);
    for (int j = 0; j <= q_ - 1; ++j) {
      auto slope = [this, j](int k) { return G(k, j); };
      const double next_slope = j < q_ - 1 ? predicted[j + 1] : Highest(i + 1);
      Z(i + 1, j) = AdamsMoulton4(Z(i, j), h_, next_slope, slope, i);
    }
  }
  Derive(i + 1);
}

void SolveOrder1(EvalContext& context, int n, std::span<const float> c, std::span<const double> x,
                 double y0, float a, Series& y) {
  y[0] = y0;
  if (n == 0) return;
  const double h = context.run.h;
  const int method = context.settings.OdeMethod;
  // With one coefficient the right-hand side is c0 x, read as it is needed:
  // the series of a long run are large.
  if (c.size() == 1) {
    const float c0 = c[0];
    Order1Solver solver(
        h, a, method, [c0, x](int i) { return c0 * x[i]; }, y);
    for (int i = 0; i < n; ++i) solver.Next(i);
    return;
  }
  const Series sum = DerivativeSum(context, n, c, x);
  Order1Solver solver(h, a, method, SeriesValues{sum}, y);
  for (int i = 0; i < n; ++i) solver.Next(i);
}

bool SolveOrderN(EvalContext& context, int n, std::span<const double> x, std::span<const double> z0,
                 std::span<const float> a, std::span<const float> b, Series& y) {
  if (!LeadingCoefficientIsOne(a)) {
    context.messenger.Show(kLeadingCoefficientNotOneMessage);
    return false;
  }
  y[0] = z0[0];
  if (n == 0) return true;
  const Series rhs = DerivativeSum(context, n, b, x);
  OrderNSolver solver(context.run.h, context.settings.OdeMethod, a, rhs, n + 1);
  solver.Start(z0);
  for (int i = 0; i < n; ++i) solver.Next(i);
  for (int i = 0; i <= n; ++i) y[i] = solver.Value(i);
  return true;
}

}  // namespace kortiv
