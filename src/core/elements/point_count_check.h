#pragma once

#include "series/eval_context.h"

namespace kortiv {

inline constexpr const char* kNegativePointCountMessage = "Число точек отрицательно!";
inline constexpr const char* kPointCountAboveMaximumMessage = "Число точек выше максимального!";

// The entry checks shared by the linear, nonlinear and functional models:
// a negative last point, or one beyond the run's last point while the run
// has not diverged (a divergence lowers LastPoint under a running chain),
// is reported and refused.
bool PointCountAccepted(EvalContext& context, int n);

// Makes room for points 0..n of a series (RunKind values per point) without
// touching the values already there.
void EnsurePoints(const RunState& run, int n, Series& series);

}  // namespace kortiv
