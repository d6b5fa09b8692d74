#include "calc/point_count.h"

#include <cmath>

namespace kortiv {

long long TimeRunLastPoint(float t0, float h, float tk) {
  const long double span = static_cast<long double>(tk) - t0;
  const long double step = h;
  const long double whole_steps = std::ceil(span / step);
  if (!(whole_steps <= kMaxLastPoint)) return kMaxLastPoint + 1;
  auto n = static_cast<long long>(whole_steps);
  const long double excess = n * step - span;
  const bool float_step_rounding = excess < span * 1e-6L && excess < step / 2;
  if (excess > 0 && !float_step_rounding) --n;
  return n;
}

float MomentOfPoint(long long j, float t0, float h) {
  return static_cast<float>(static_cast<long double>(j) * h + t0);
}

}  // namespace kortiv
