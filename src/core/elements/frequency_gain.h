#pragma once

#include <complex>
#include <optional>
#include <span>

#include "series/eval_context.h"

namespace kortiv {

// Output components at an exact resonance: each is +-1e30 with the sign of
// the matching input component, 0 where that component is 0.
inline constexpr double kResonanceValue = 1e30;

// A frequency factor W(jw) of one point; empty at an exact zero of the
// denominator.
using FrequencyFactor = std::optional<std::complex<double>>;

// y = W x at every point 0..n of a frequency run (Re, Im per point), with the
// factor of point i from `factor_at(w_i)` rounded to single precision.
template <typename FactorAt>
void ApplyFrequencyFactors(const RunState& run, int n, std::span<const double> x, Series& y,
                           FactorAt factor_at);

// One point: y = W x, or the resonance values when W is empty.
void MultiplyPoint(const FrequencyFactor& factor, const double* x, double* y);

template <typename FactorAt>
void ApplyFrequencyFactors(const RunState& run, int n, std::span<const double> x, Series& y,
                           FactorAt factor_at) {
  for (int i = 0; i <= n; ++i) MultiplyPoint(factor_at(run.Moment(i)), &x[2 * i], &y[2 * i]);
}

}  // namespace kortiv
