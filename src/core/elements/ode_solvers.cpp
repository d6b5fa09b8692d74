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

// The state of SolveOrderN: row i holds (y, y', ..., y^(q-1)) at point i and
// the row of its derivatives g(i).
class StateMatrix {
 public:
  StateMatrix(int points, int q) : q_(q), z_(points * q), g_(points * q) {}
  double& Z(int i, int j) { return z_[i * q_ + j]; }
  double& G(int i, int j) { return g_[i * q_ + j]; }

  // The highest derivative from the equation over row i as it stands.
  double Highest(int i, std::span<const float> a, double b) {
    double sum = 0;
    for (int k = 0; k < q_; ++k) sum += a[k] * Z(i, k);
    return b - sum;
  }
  void Derive(int i, std::span<const float> a, double b) {
    for (int j = 0; j + 1 < q_; ++j) G(i, j) = Z(i, j + 1);
    G(i, q_ - 1) = Highest(i, a, b);
  }

 private:
  int q_;
  std::vector<double> z_, g_;
};

}  // namespace

void SolveOrder1(EvalContext& context, int n, std::span<const float> c, std::span<const double> x,
                 double y0, float a, Series& y) {
  y[0] = y0;
  if (n == 0) return;
  const double h = context.run.h;
  // The right-hand side and the slopes are read as they are needed rather
  // than held: the series of a long run are large. With one coefficient the
  // right-hand side is c0 x.
  Series sum;
  if (c.size() > 1) sum = DerivativeSum(context, n, c, x);
  auto b = [&](int i) { return c.size() > 1 ? sum[i] : c[0] * x[i]; };
  auto slope = [&](int i) { return b(i) - a * y[i]; };
  const int method = context.settings.OdeMethod;
  for (int i = 0; i < n; ++i) {
    if (i == 0 || method == 0) {
      y[i + 1] = y[i] + h * slope(i);
    } else if (i == 1 || method == 1) {
      y[i + 1] = AdamsBashforth2(y[i], h, slope, i);
    } else if (i == 2) {
      y[i + 1] = AdamsBashforth3(y[i], h, slope, i);
    } else {
      const double predicted = AdamsBashforth4(y[i], h, slope, i);
      y[i + 1] = AdamsMoulton4(y[i], h, b(i + 1) - a * predicted, slope, i);
    }
  }
}

bool SolveOrderN(EvalContext& context, int n, std::span<const double> x, std::span<const double> z0,
                 std::span<const float> a, std::span<const float> b, Series& y) {
  const int q = static_cast<int>(a.size()) - 1;
  if (!(a[q] >= 0.99999 && a[q] <= 1.000001)) {
    context.messenger.Show(kLeadingCoefficientNotOneMessage);
    return false;
  }
  y[0] = z0[0];
  if (n == 0) return true;
  const double h = context.run.h;
  const Series rhs = DerivativeSum(context, n, b, x);
  StateMatrix s(n + 1, q);
  for (int j = 0; j < q; ++j) s.Z(0, j) = z0[j];
  s.Derive(0, a, rhs[0]);
  const bool fourth_order = context.settings.OdeMethod == 2;
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < q; ++j) {
      auto slope = [&s, j](int k) { return s.G(k, j); };
      if (i == 0) {
        s.Z(1, j) = s.Z(0, j) + h * s.G(0, j);
      } else if (i == 1 || !fourth_order) {
        s.Z(i + 1, j) = AdamsBashforth2(s.Z(i, j), h, slope, i);
      } else if (i == 2) {
        s.Z(i + 1, j) = AdamsBashforth3(s.Z(i, j), h, slope, i);
      } else {
        s.Z(i + 1, j) = AdamsBashforth4(s.Z(i, j), h, slope, i);
      }
    }
    if (fourth_order && i >= 3) {
      // Corrects the lower components from the predicted next ones, in
      // increasing order, then the highest from the equation over the
      // state as it then stands.
      const std::vector<double> predicted(&s.Z(i + 1, 0), &s.Z(i + 1, 0) + q);
      for (int j = 0; j <= q - 1; ++j) {
        auto slope = [&s, j](int k) { return s.G(k, j); };
        const double next_slope = j < q - 1 ? predicted[j + 1] : s.Highest(i + 1, a, rhs[i + 1]);
        s.Z(i + 1, j) = AdamsMoulton4(s.Z(i, j), h, next_slope, slope, i);
      }
    }
    s.Derive(i + 1, a, rhs[i + 1]);
  }
  for (int i = 0; i <= n; ++i) y[i] = s.Z(i, 0);
  return true;
}

}  // namespace kortiv
