#pragma once

#include "calc/calc_context.h"

namespace kortiv {

// The whole calculation of the scheme: analyses when the graph is not built,
// fixes the kind of run and N, makes the result store anew, evaluates every
// chain row in order (contours point by point) and leaves results ready set
// at a normal end. A stop request ends the run after the current chain with
// results ready clear.
void CalculateScheme(CalcContext& context);

// The phase-portrait command's calculation: refuses a scheme with the sweep
// generator or with an odd number of control points, otherwise calculates
// when no results are ready. True when results are ready for the portrait.
bool CalculatePhasePortrait(CalcContext& context);

}  // namespace kortiv
