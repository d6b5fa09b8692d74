#include <algorithm>
#include <array>
#include <cmath>
#include <span>

#include "elements/element_models.h"
#include "elements/element_steppers.h"
#include "elements/point_count_check.h"
#include "model/scheme.h"
#include "support/messenger.h"

namespace kortiv {
namespace {

constexpr const char* kNonlinearCallMessage = "Ошибка вызова нелинейного элемента!";

// The parameter block of a nonlinear element, read once per call. The
// floats widen exactly, so products such as k*B are not rounded to a float.
using Block = std::array<double, 5>;

Block ReadBlock(const Scheme& scheme, int element) {
  Block q{};
  const int count = std::min<int>(scheme.GetParamCount(element), q.size());
  for (int i = 0; i < count; ++i) q[i] = scheme.ElementParam(element, i);
  return q;
}

// An input that is not a number lies below every lower boundary.
bool Below(double x, double bound) {
  return x < bound || std::isnan(x);
}

// Codes 300, 301, 302, 305, 306: the output of one point from its input.
double StaticCharacteristic(int code, const Block& q, double x) {
  switch (code) {
    case 300: {  // A, B, k
      const double a = q[0], b = q[1], k = q[2];
      if (Below(x, b)) return k * b;
      return x <= a ? k * x : k * a;
    }
    case 301: {  // a1, a2, k
      const double a1 = q[0], a2 = q[1], k = q[2];
      if (Below(x, a1)) return k * (x - a1);
      return x <= a2 ? 0.0 : k * (x - a2);
    }
    case 302: {  // B, a1, a2, A, k
      const double b = q[0], a1 = q[1], a2 = q[2], a = q[3], k = q[4];
      if (Below(x, b)) return k * (b - a1);
      if (x < a1) return k * (x - a1);
      if (x <= a2) return 0.0;
      return x <= a ? k * (x - a2) : k * (a - a2);
    }
    case 305: {  // B, A
      if (Below(x, 0.0)) return q[0];
      return x == 0 ? 0.0 : q[1];
    }
    default: {  // 306: B, A, a1, a2
      if (Below(x, q[2])) return q[0];
      return x <= q[3] ? 0.0 : q[1];
    }
  }
}

// Backlash with half-gap a and slope k. Where the input stands still outside
// the gap (after an initial value that does not fit it) nothing drives the
// output, so it holds its previous value.
double Backlash(double a, double k, double x, double xp, double yp) {
  if (std::abs(k * x - yp) <= k * a) return yp;
  if (x > xp) return k * (x - a);
  if (x < xp) return k * (x + a);
  return yp;
}

// Codes 303, 304, 307, 308: the output of point i from its input, the
// previous input and the previous output.
double CharacteristicWithMemory(int code, const Block& q, double x, double xp, double yp) {
  switch (code) {
    case 303:  // a, k, y(0)
      return Backlash(q[0], q[1], x, xp, yp);
    case 304: {  // B, A, a, k, y(0)
      const double b = q[0], a = q[1], gap = q[2], k = q[3];
      const double y = Backlash(gap, k, x, xp, yp);
      if (y < k * (b + gap)) return k * (b + gap);
      if (y > k * (a - gap)) return k * (a - gap);
      return y;
    }
    case 307: {  // B, A, a1, a2, y(0)
      if (Below(x, q[2])) return q[0];
      if (x > q[3]) return q[1];
      if (x > xp) return q[0];
      if (x < xp) return q[1];
      return yp;
    }
    default: {  // 308: a1, a2, a3, a4, y(0)
      if (Below(x, q[0])) return -1.0;
      if (x > q[3]) return 1.0;
      if (x <= q[1] && x > xp) return -1.0;
      if (x >= q[2] && x < xp) return 1.0;
      return 0.0;
    }
  }
}

// Index of y(0) in the block of an element with memory, or -1.
int InitialValueIndex(int code) {
  switch (code) {
    case 303:
      return 2;
    case 304:
    case 307:
    case 308:
      return 4;
    default:
      return -1;
  }
}

// Point i of the output from the input up to i and the output before it.
struct NonlinearRule {
  int code;
  Block q;
  int initial;  // index of y(0) in the block, or -1
  void operator()(std::span<const double> x, std::span<double> y, int i) const {
    if (initial < 0) {
      y[i] = StaticCharacteristic(code, q, x[i]);
    } else {
      y[i] = i == 0 ? q[initial] : CharacteristicWithMemory(code, q, x[i], x[i - 1], y[i - 1]);
    }
  }
};

bool IsNonlinearCode(int code) {
  return code >= 300 && code <= 308;
}

NonlinearRule MakeRule(const Scheme& scheme, int element, int code) {
  return {code, ReadBlock(scheme, element), InitialValueIndex(code)};
}

}  // namespace

std::unique_ptr<ElementStepper> NonlinearStepper(EvalContext& context, int element,
                                                 std::span<const double> input,
                                                 std::span<double> output) {
  const int code = context.scheme.GetCode(element);
  if (context.run.kind != RunKind::kTime || !IsNonlinearCode(code)) return nullptr;
  return MakeRuleStepper(MakeRule(context.scheme, element, code), input, output);
}

bool EvaluateNonlinear(EvalContext& context, int element, int n, const Series& input,
                       Series& output) {
  if (!PointCountAccepted(context, n)) return false;
  const int code = context.scheme.GetCode(element);
  if (!IsNonlinearCode(code)) {
    context.messenger.Show(kNonlinearCallMessage);
    return false;
  }
  EnsurePoints(context.run, n, output);
  const NonlinearRule rule = MakeRule(context.scheme, element, code);
  for (int i = 0; i <= n; ++i) rule(input, output, i);
  return true;
}

}  // namespace kortiv
