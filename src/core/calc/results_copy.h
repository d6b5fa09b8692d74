#pragma once

#include "series/run_state.h"

namespace kortiv {

// The results of a run without its working series: what a window that
// outlives the next run keeps to show (kind, points, control points, the
// integration parameters, the plot kind, the result store and the calculated
// frequency pairs).
void CopyResults(const RunState& from, RunState& to);

}  // namespace kortiv
