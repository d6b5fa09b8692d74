#pragma once

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

}  // namespace kortiv
