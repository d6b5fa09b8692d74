#include "elements/linear_time.h"

#include <array>
#include <limits>

#include "elements/numeric_derivatives.h"
#include "elements/ode_solvers.h"

namespace kortiv {
namespace {

// The quotient of two floats may fall short of an exact multiple by a few
// units of the last place; a millionth of it covers that and nothing more.
constexpr double kDelayRoundingTolerance = 1e-6;

void Gain(float k, int n, std::span<const double> x, Series& y) {
  for (int i = 0; i <= n; ++i) y[i] = k * x[i];
}

// Trapezoidal integral of x/ti from `initial`.
void Integrate(double h, float ti, float initial, int n, std::span<const double> x, Series& y) {
  y[0] = initial;
  for (int i = 1; i <= n; ++i) y[i] = y[i - 1] + h * (x[i - 1] + x[i]) / (2 * ti);
}

void Delay(float delay, float step, int n, std::span<const double> x, Series& y) {
  const int shift = DelayPoints(delay, step);
  for (int i = 0; i <= n; ++i) y[i] = i < shift ? 0.0 : x[i - shift];
}

// The regulators: proportional part, derivative part and an integral held
// in single precision.
void Regulator(EvalContext& context, float k, double derivative_gain, double integral_gain,
               float initial, int n, std::span<const double> x, Series& y) {
  const Series d1 = Derivativ1(context, n, x);
  const double h = context.run.h;
  float integral = initial;
  for (int i = 0; i <= n; ++i) {
    if (i > 0) integral = static_cast<float>(integral + integral_gain * h * (x[i - 1] + x[i]) / 2);
    y[i] = k * x[i] + derivative_gain * d1[i] + integral;
  }
}

// The coefficients come in at full precision and are held as floats, so
// each is rounded once.
void SecondOrder(EvalContext& context, const ElementParams& p, int initial_at, double a0, double a1,
                 double b0, int n, std::span<const double> x, Series& y) {
  const std::array<double, 2> z0{p[initial_at], p[initial_at + 1]};
  const std::array<float, 3> a{static_cast<float>(a0), static_cast<float>(a1), 1.0f};
  const std::array<float, 1> b{static_cast<float>(b0)};
  SolveOrderN(context, n, x, z0, a, b, y);
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
  switch (code) {
    case 200:
      Gain(p[0], n, x, y);
      break;
    case 201:
      Integrate(h, p[0], p[1], n, x, y);
      break;
    case 202: {
      const Series d1 = Derivativ1(context, n, x);
      for (int i = 0; i <= n; ++i) y[i] = p[0] * d1[i];
      break;
    }
    case 203:
      Delay(p[0], h, n, x, y);
      break;
    case 204:
      SolveOrder1(context, n, std::array{p[0] / p[1]}, x, p[2], 1.0f / p[1], y);
      break;
    case 205: {
      const Series sum = DerivativeSum(context, n, std::array{p[0], p[0] * p[1]}, x);
      for (int i = 0; i <= n; ++i) y[i] = sum[i];
      break;
    }
    case 206:
      SolveOrder1(context, n, std::array{0.0f, p[0] / p[1]}, x, p[2], 1.0f / p[1], y);
      break;
    case 207:
      SolveOrder1(
          context, n,
          std::array{p[0] / p[2], static_cast<float>(static_cast<double>(p[0]) * p[1] / p[2])}, x,
          p[3], 1.0f / p[2], y);
      break;
    case 208:
      SecondOrder(context, p, 2, 0.0f, 1.0f / p[1], p[0] / p[1], n, x, y);
      break;
    case 209: {
      const double t2 = static_cast<double>(p[1]) * p[1];
      SecondOrder(context, p, 2, 1 / t2, 0.0, p[0] / t2, n, x, y);
      break;
    }
    case 210: {
      const double t1t2 = static_cast<double>(p[1]) * p[2];
      SecondOrder(context, p, 3, 1 / t1t2, (static_cast<double>(p[1]) + p[2]) / t1t2, p[0] / t1t2,
                  n, x, y);
      break;
    }
    case 211: {
      const double t2 = static_cast<double>(p[1]) * p[1];
      SecondOrder(context, p, 3, 1 / t2, 2.0 * p[2] / p[1], p[0] / t2, n, x, y);
      break;
    }
    case 213:
      Regulator(context, p[0], p[2], 1.0 / p[1], p[3], n, x, y);
      break;
    case 214:
      Regulator(context, p[0], static_cast<double>(p[0]) * p[2], static_cast<double>(p[0]) / p[1],
                p[3], n, x, y);
      break;
    default:
      break;
  }
}

}  // namespace kortiv
