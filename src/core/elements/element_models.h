#pragma once

#include <memory>
#include <span>

#include "series/element_stepper.h"
#include "series/eval_context.h"

namespace kortiv {

// The element model contract. A model reads its parameters from the scheme,
// the moment or frequency of point j from the run's result store, and fills
// output points 0..n from input points 0..n (RunKind values per point). It
// keeps nothing between calls: a contour calls it for n = 0, 1, ..., N.

// Fills points 0..N of a source chain's series (codes 100..113).
void EvaluateSource(EvalContext& context, int element, Series& output);

// The element models of a chain return false when they refuse the call
// (after its message); the output is then not written.

// Linear elements 200..214.
bool EvaluateLinear(EvalContext& context, int element, int n, const Series& input, Series& output);

// Nonlinear elements 300..308.
bool EvaluateNonlinear(EvalContext& context, int element, int n, const Series& input,
                       Series& output);

// Functional elements 500..507.
bool EvaluateFunctional(EvalContext& context, int element, int n, const Series& input,
                        Series& output);

// Steppers for a feedback contour (time runs): each element evaluated one
// point at a time from `input` into `output`, both with room for every
// point of the run. Null when the element's points are not computed
// pointwise under the user's methods, or when its model refuses the element
// (the contour then re-runs it and shows the model's message).
std::unique_ptr<ElementStepper> LinearStepper(EvalContext& context, int element,
                                              std::span<const double> input,
                                              std::span<double> output);
std::unique_ptr<ElementStepper> NonlinearStepper(EvalContext& context, int element,
                                                 std::span<const double> input,
                                                 std::span<double> output);
std::unique_ptr<ElementStepper> FunctionalStepper(EvalContext& context, int element,
                                                  std::span<const double> input,
                                                  std::span<double> output);

}  // namespace kortiv
