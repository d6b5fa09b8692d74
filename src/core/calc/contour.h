#pragma once

#include "calc/calc_context.h"

namespace kortiv {

struct ChainGraph;

// The number of chain rows of the contour whose header is row `header`, or
// 0 when its coding is wrong (no rows, or rows past the table).
int ContourLength(const ChainGraph& graph, int header);

// Evaluates the contour (feedback loop) whose header is row `header` point
// by point: for every point s = 0..N each of its chains is evaluated over
// 0..s, an input not yet evaluated for s taking its producer's value at
// s - 1. Ends at once when a stop is requested. Where every element of the
// contour has a stepper, each point continues from the previous one instead
// (see CalcContext::continue_contours).
void EvaluateContour(CalcContext& context, int header, WorkingSeries& work);

}  // namespace kortiv
