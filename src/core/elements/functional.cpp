#include <cmath>

#include "elements/element_models.h"
#include "elements/element_steppers.h"
#include "elements/point_count_check.h"
#include "model/scheme.h"
#include "support/messenger.h"

namespace kortiv {
namespace {

constexpr const char* kFunctionalCallMessage = "Ошибка вызова элемента-функции!";

// Stand-ins for the infinite values at x = 0.
constexpr double kReciprocalOfZero = 1e30;
constexpr double kLogarithmOfZero = -1e30;

// y = f(x) of codes 500..507; `a` is the element's parameter (503, 506).
// The power and the exponent are worked out in extended precision, which
// keeps whole powers whole (2^3 is 8, not 7.9999999999999982).
double Function(int code, float a, double x) {
  using Ld = long double;
  switch (code) {
    case 500:
      return x * x;
    case 501:
      return std::sqrt(std::abs(x));
    case 502:
      return x == 0 ? kReciprocalOfZero : 1 / x;
    case 503:
      return x == 0 ? 0.0 : static_cast<double>(std::exp(a * std::log(std::abs(Ld{x}))));
    case 504:
      return std::sin(x);
    case 505:
      return std::cos(x);
    case 506:
      return static_cast<double>(std::exp(a * Ld{x}));
    default:  // 507
      return x == 0 ? kLogarithmOfZero : std::log(std::abs(x));
  }
}

bool HasParameter(int code) {
  return code == 503 || code == 506;
}

struct FunctionalRule {
  int code;
  float a;
  void operator()(std::span<const double> x, std::span<double> y, int i) const {
    y[i] = Function(code, a, x[i]);
  }
};

bool IsFunctionalCode(int code) {
  return code >= 500 && code <= 507;
}

FunctionalRule MakeRule(const Scheme& scheme, int element, int code) {
  return {code, HasParameter(code) ? scheme.ElementParam(element, 0) : 0.0f};
}

}  // namespace

std::unique_ptr<ElementStepper> FunctionalStepper(EvalContext& context, int element,
                                                  std::span<const double> input,
                                                  std::span<double> output) {
  const int code = context.scheme.GetCode(element);
  if (context.run.kind != RunKind::kTime || !IsFunctionalCode(code)) return nullptr;
  return MakeRuleStepper(MakeRule(context.scheme, element, code), input, output);
}

bool EvaluateFunctional(EvalContext& context, int element, int n, const Series& input,
                        Series& output) {
  if (!PointCountAccepted(context, n)) return false;
  const int code = context.scheme.GetCode(element);
  if (!IsFunctionalCode(code)) {
    context.messenger.Show(kFunctionalCallMessage);
    return false;
  }
  EnsurePoints(context.run, n, output);
  const FunctionalRule rule = MakeRule(context.scheme, element, code);
  for (int i = 0; i <= n; ++i) rule(input, output, i);
  return true;
}

}  // namespace kortiv
