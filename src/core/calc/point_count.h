#pragma once

namespace kortiv {

// Runs longer than this many points are refused: their series would not fit
// in memory.
inline constexpr long long kMaxLastPoint = 50'000'000;

// The last point N of a time run: the largest count of whole steps h (a
// 32-bit float) from T0 that does not pass Tk. A step rounded to a float
// lies slightly above many typed steps (0.1, 0.001), so a count whose last
// moment passes Tk by less than 1e-6 of Tk - T0 and by less than half a step
// still counts, and an exact multiple keeps its last point at Tk.
// Needs h > 0 and T0 < Tk; a count beyond kMaxLastPoint is returned as
// kMaxLastPoint + 1.
long long TimeRunLastPoint(float t0, float h, float tk);

// The moment of point j: j * h + T0 in extended precision, narrowed to the
// float that the result store keeps.
float MomentOfPoint(long long j, float t0, float h);

}  // namespace kortiv
