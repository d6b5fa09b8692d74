#pragma once

#include <memory>
#include <span>

#include "calc/calc_context.h"
#include "series/element_stepper.h"

namespace kortiv {

// The steps that evaluate one chain row over points 0..n: n is N for an
// ordinary chain and the current point inside a contour. Series hold
// RunKind values per point. Where a step takes `first`, it touches only
// points first..n (a contour that continues its chains from the previous
// point asks for the new point alone).

// The fork's output: the series of the chain that feeds the fork; zeros when
// no chain reaches it.
void Get_for_Forks(CalcContext& context, int row, int n, int head_code, Series& output,
                   int first = 0);

// The summator's signed sum or the multiplier's product of its inputs.
// An input whose producer has not yet been evaluated for the point in hand
// is delayed: it takes the producer's value at the previous point (nothing
// at point 0). `contour_start` is the row of the contour header when called
// from a contour, 0 otherwise.
void Get_for_Sums(CalcContext& context, int row, int n, int head_code, Series& output,
                  int contour_start, int first = 0);

// The input of a chain headed by a fork (Get_for_Forks) or by a summator or
// multiplier (Get_for_Sums).
void Get_for_Links(CalcContext& context, int row, int n, int head_code, Series& output,
                   int contour_start, int first = 0);

// Points 0..n of the element's series into the result store when the element
// carries a control point.
void StoreControlPoints(CalcContext& context, int element, int n, const Series& series,
                        int first = 0);

// Points 0..n of the chain's output into DataChains under the row's end node.
void StoreNode(CalcContext& context, int row, int n, const Series& series, int first = 0);

// Runs the chain's input through its elements in order and leaves the result
// in `output`; `input` serves as working space and is left undefined. Stops
// before the next element when a stop is requested. In a whole-run
// evaluation (n = N on entry) the elements' control points are stored, over
// the range that is left if an element cut the run short.
void EvaluateChain(CalcContext& context, int row, int n, Series& input, Series& output);

// Evaluates one element by its group into `output`; returns false, after
// the message, when its group has no model.
bool EvaluateElement(CalcContext& context, int element, int n, const Series& input, Series& output);

// The element's stepper by its group (see element_models.h), or null.
std::unique_ptr<ElementStepper> MakeElementStepper(CalcContext& context, int element,
                                                   std::span<const double> input,
                                                   std::span<double> output);

}  // namespace kortiv
