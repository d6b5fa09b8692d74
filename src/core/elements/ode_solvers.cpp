#include "elements/ode_solvers.h"

#include <vector>

#include "elements/numeric_derivatives.h"
#include "model/user_settings.h"
#include "support/messenger.h"

namespace kortiv {
namespace {

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

}  // namespace

Order1Solver::Order1Solver(double h, float a, int ode_method, std::span<const double> b,
                           std::span<double> f, std::span<double> y)
    : h_(h), a_(a), method_(ode_method), b_(b), f_(f), y_(y) {}

void Order1Solver::Start(double y0) {
  y_[0] = y0;
  f_[0] = b_[0] - a_ * y_[0];
}

void Order1Solver::Next(int i) {
  auto slope = [this](int k) { return f_[k]; };
  if (i == 0 || method_ == 0) {
    y_[i + 1] = y_[i] + h_ * f_[i];
  } else if (i == 1 || method_ == 1) {
    y_[i + 1] = AdamsBashforth2(y_[i], h_, slope, i);
  } else if (i == 2) {
    y_[i + 1] = AdamsBashforth3(y_[i], h_, slope, i);
  } else {
    const double predicted = AdamsBashforth4(y_[i], h_, slope, i);
    y_[i + 1] = AdamsMoulton4(y_[i], h_, b_[i + 1] - a_ * predicted, slope, i);
  }
  f_[i + 1] = b_[i + 1] - a_ * y_[i + 1];
}

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
  const Series b = DerivativeSum(context, n, c, x);
  Series f(n + 1);
  Order1Solver solver(context.run.h, a, context.settings.OdeMethod, b, f, y);
  solver.Start(y0);
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
