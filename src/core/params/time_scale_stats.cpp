#include "params/time_scale_stats.h"

#include <cmath>

namespace kortiv {

void TimeScaleStats::NoteTime(float& max, float& min, float v) {
  if (v > max) {
    max = v;
  } else if (v < min || std::isnan(min)) {
    min = v;
  }
  if (!(min > 0.0f)) min = max;
}

}  // namespace kortiv
