#include "elements/general_linear.h"

#include "elements/element_steppers.h"
#include "elements/numeric_derivatives.h"
#include "elements/ode_solvers.h"
#include "model/stored_integer.h"
#include "model/user_settings.h"

namespace kortiv {
namespace {

// c(jw) for a real polynomial c_0 + c_1 p + ...: the powers of j cycle
// through 1, j, -1, -j.
std::complex<double> AtImaginaryAxis(const std::vector<float>& c, double omega) {
  double re = 0;
  double im = 0;
  double power = 1;
  for (std::size_t k = 0; k < c.size(); ++k) {
    const double term = c[k] * power;
    switch (k % 4) {
      case 0:
        re += term;
        break;
      case 1:
        im += term;
        break;
      case 2:
        re -= term;
        break;
      default:
        im -= term;
        break;
    }
    power *= omega;
  }
  return {re, im};
}

std::vector<float> Normalised(const std::vector<float>& c, float leading) {
  std::vector<float> result(c);
  for (float& value : result) value /= leading;
  return result;
}

}  // namespace

bool GeneralOrdersFitBlock(const ElementParams& p, int count) {
  constexpr int kOrdersAndLeastCoefficients = 4;
  if (count < kOrdersAndLeastCoefficients) return false;
  const long long m = ReadStoredInteger(p[0]);
  const long long n = ReadStoredInteger(p[1]);
  return m >= 0 && n >= 0 && kOrdersAndLeastCoefficients + m + 2 * n <= count;
}

GeneralTransfer ReadGeneralTransfer(const ElementParams& p) {
  const int m = ReadStoredInteger(p[0]);
  const int n = ReadStoredInteger(p[1]);
  GeneralTransfer w;
  int at = 2;
  for (int k = 0; k <= m; ++k) w.b.push_back(p[at++]);
  for (int k = 0; k <= n; ++k) w.a.push_back(p[at++]);
  for (int k = 0; k < n; ++k) w.initial.push_back(p[at++]);
  return w;
}

bool EvaluateGeneralTime(EvalContext& context, const GeneralTransfer& w, int n,
                         std::span<const double> x, Series& y) {
  const float leading = w.a.back();
  const std::vector<float> b = Normalised(w.b, leading);
  if (w.DenominatorOrder() == 0) {
    const Series sum = DerivativeSum(context, n, b, x);
    for (int i = 0; i <= n; ++i) y[i] = sum[i];
    return true;
  }
  return SolveOrderN(context, n, x, w.initial, Normalised(w.a, leading), b, y);
}

std::unique_ptr<ElementStepper> GeneralTimeStepper(EvalContext& context, const GeneralTransfer& w,
                                                   std::span<const double> x, std::span<double> y) {
  if (!DerivativeSumIsPointwise(w.b.size(), context.settings.DerivMethod)) return nullptr;
  const float leading = w.a.back();
  std::vector<float> b = Normalised(w.b, leading);
  if (w.DenominatorOrder() == 0) {
    return std::make_unique<DerivativeSumStepper>(context.run, std::move(b), x, y);
  }
  std::vector<float> a = Normalised(w.a, leading);
  if (!LeadingCoefficientIsOne(a)) return nullptr;
  return std::make_unique<OrderNStepper>(context.run, context.settings.OdeMethod, std::move(a),
                                         std::move(b), w.initial, x, y);
}

FrequencyFactor GeneralFrequencyFactor(const GeneralTransfer& w, float omega) {
  const std::complex<double> num = AtImaginaryAxis(w.b, omega);
  const std::complex<double> den = AtImaginaryAxis(w.a, omega);
  const double magnitude = den.real() * den.real() + den.imag() * den.imag();
  if (magnitude == 0.0) return std::nullopt;
  return std::complex<double>(num.real() * den.real() + num.imag() * den.imag(),
                              num.imag() * den.real() - num.real() * den.imag()) /
         magnitude;
}

}  // namespace kortiv
