#pragma once

#include <string_view>

#include "results/plot_axes.h"

namespace kortiv {

class Messenger;

inline constexpr std::string_view kLimitsErrorText = "Ошибка определения границ!";
inline constexpr std::string_view kScaleErrorText = "Ошибка шкалирования!";
inline constexpr std::string_view kLogScaleErrorText = "Ошибка шкалирования log w!";
inline constexpr std::string_view kTooManyTicksText = "Слишком много точек на шкале!";

// A limit rounded to two significant digits: value = mantissa * 10^power,
// with 1 <= |mantissa| < 10 (or both 0 for the limit 0).
struct RoundedLimit {
  float mantissa = 0.0f;
  int power = 0;
};

// Rounds |x| up to the next tenth of its mantissa when the digits after the
// first decimal exceed 0.03 (1.23 gives 1.3, 1.229 gives 1.2; 9.95 gives 1.0
// with the power raised). The sign of x is kept. A limit that is not finite
// rounds like 0.
RoundedLimit RoundMantissa(float x);

enum class AxisScaleKind { kLinear, kLogarithmic };

// Chooses ticks for an axis over [min, max] and writes them to `axis`: the
// interval count, the ticks as mantissas and their common exponent. On a
// logarithmic axis the limits are lg values and the ticks fall on 1, 2, 3 ...
// of every decade. `axis.count` on entry is the count of the last scaling,
// which a span the linear table does not cover spreads its ticks over. The
// failures are reported and the axis is scaled all the same.
void ScaleAxis(float max, float min, AxisScaleKind kind, AxisTicks& axis, Messenger& messenger);

}  // namespace kortiv
