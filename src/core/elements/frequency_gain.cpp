#include "elements/frequency_gain.h"

namespace kortiv {
namespace {

double ResonanceComponent(double input) {
  if (input > 0) return kResonanceValue;
  if (input < 0) return -kResonanceValue;
  return 0.0;
}

}  // namespace

void MultiplyPoint(const FrequencyFactor& factor, const double* x, double* y) {
  if (!factor) {
    y[0] = ResonanceComponent(x[0]);
    y[1] = ResonanceComponent(x[1]);
    return;
  }
  // The factor enters in single precision.
  const double re = static_cast<float>(factor->real());
  const double im = static_cast<float>(factor->imag());
  const double x_re = x[0];
  const double x_im = x[1];
  y[0] = re * x_re - im * x_im;
  y[1] = re * x_im + im * x_re;
}

}  // namespace kortiv
