#pragma once

#include <memory>
#include <span>

#include "elements/element_params.h"
#include "series/element_stepper.h"
#include "series/eval_context.h"

namespace kortiv {

// Time-run rules of the built-in linear elements (every code of 200..214
// but the general element 212): fills y[0..n] from x[0..n].
void EvaluateLinearTime(EvalContext& context, int code, const ElementParams& p, int n,
                        std::span<const double> x, Series& y);

// The stepper of a built-in linear element in a time run, or null when its
// points are not computed pointwise under the user's DerivMethod.
std::unique_ptr<ElementStepper> LinearTimeStepper(EvalContext& context, int code,
                                                  const ElementParams& p, std::span<const double> x,
                                                  std::span<double> y);

// The delay 203 in points: T/h truncated, allowing for the rounding of the
// two single-precision values so that an exact multiple of h shifts by T/h;
// never negative.
int DelayPoints(float delay, float step);

}  // namespace kortiv
