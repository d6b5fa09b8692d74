#pragma once

#include "series/run_state.h"

namespace kortiv {

// Whether a value lies outside what the results can hold: not a number,
// infinite, or beyond the largest 32-bit float.
bool IsRunaway(double value);

// Looks at points `first`..n of a series just computed. At the first
// runaway value the run ends at the point before it, as a divergence ends
// it: the divergence flag is set and LastPoint lowered, so the results up to
// there are kept and reported like any divergence. A runaway value at point
// 0 leaves no sound point: the run is stopped instead.
void CutRunAtRunaway(RunState& run, const Series& series, int first, int n);

// The same for the argument of every point (entry 0 of each row of the
// result store): a sweep over decades beyond the float range writes
// frequencies that are no numbers.
void CutRunAtRunawayArgument(RunState& run);

// The same for every stored value of points 0..LastPoint, after the rows:
// the last word, since a derivative that passes its bound later in a pass
// moves LastPoint up again to its own point.
void CutRunAtRunawayResults(RunState& run);

// The first point to look at after computing points 0..n: all of them in a
// whole-run evaluation (n at or past LastPoint), only the new point n in a
// step of a contour, whose earlier points were looked at in earlier steps.
inline int FirstNewPoint(const RunState& run, int n) {
  return n >= run.last_point ? 0 : n;
}

}  // namespace kortiv
