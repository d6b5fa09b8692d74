#include "results/axis_scale.h"

#include <array>
#include <cmath>

#include "support/messenger.h"

namespace kortiv {
namespace {

// A linear span below `bound` takes `count` intervals; a positive `width`
// moves the upper limit to the lower one plus that width. The bounds are
// not rounded to single precision: a span of 1.9 in single precision lies
// below the bound 1.9.
struct LinearStep {
  double bound;
  int count;
  double width;
};

constexpr std::array<LinearStep, 34> kLinearSteps{{
    {0.21, 10, 0},   {0.31, 6, 0},   {0.41, 8, 0},    {0.51, 10, 0},   {0.61, 6, 0},
    {0.71, 7, 0},    {0.81, 8, 0},   {0.91, 9, 0},    {1.01, 10, 0},   {1.11, 11, 0},
    {1.21, 6, 0},    {1.41, 7, 1.4}, {1.61, 8, 1.6},  {1.81, 9, 1.8},  {2.01, 10, 2.0},
    {2.21, 11, 2.2}, {2.41, 8, 2.4}, {2.71, 9, 2.7},  {3.01, 6, 3.0},  {3.51, 7, 3.5},
    {4.01, 8, 4.0},  {4.51, 9, 4.5}, {5.01, 10, 5.0}, {5.51, 11, 5.5}, {6.01, 6, 6},
    {7.01, 7, 7},    {8.01, 8, 8},   {9.01, 9, 9},    {10.01, 10, 10}, {11.01, 11, 11},
    {12.01, 6, 0},   {14.01, 7, 14}, {16.01, 8, 16},  {18.01, 9, 18},
}};
constexpr LinearStep kWidestLinearStep{0, 10, 20};

// Twelve decades or more: linear ticks every two decades or more.
constexpr std::array<LinearStep, 3> kDecadeSteps{{
    {14.01, 7, 14},
    {16.01, 8, 16},
    {18.01, 9, 18},
}};

template <std::size_t N>
LinearStep StepForSpan(const std::array<LinearStep, N>& steps, float span) {
  for (const LinearStep& step : steps) {
    if (span < step.bound) return step;
  }
  return kWidestLinearStep;
}

// Ticks per decade on a logarithmic axis by the span in decades.
int TicksPerDecade(float span) {
  constexpr std::array<std::pair<double, int>, 6> kPerDecade{
      {{1.9, 9}, {2.9, 7}, {3.9, 5}, {4.9, 4}, {5.9, 3}, {11.9, 1}}};
  for (const auto& [bound, ticks] : kPerDecade) {
    if (span < bound) return ticks;
  }
  return 0;
}

// The multiplier of tick q (1..k) of a decade with k ticks: 1, 2, ..., k - 1
// and then 9 when k is 9, else k + 1 (1 2 3 4 6, 1 2 3 5, 1 2 4; 1 alone).
int DecadeMultiplier(int q, int per_decade) {
  if (q < per_decade || per_decade == 1 || per_decade == 9) return q;
  return per_decade + 1;
}

struct Limits {
  float low;
  float high;
  int exponent;
};

// The rounded limits over a common exponent.
Limits CommonLimits(float max, float min, Messenger& messenger) {
  const RoundedLimit lo = RoundMantissa(min);
  const RoundedLimit hi = RoundMantissa(max);
  Limits limits{lo.mantissa, hi.mantissa, hi.power};
  // The ratios of the limits are taken in extended precision: in single
  // precision 1.1 / -0.1 comes out as exactly 11.
  const long double wide_max = max;
  const long double wide_min = min;
  if (lo.mantissa == 0 && hi.mantissa == 0) {
    limits = {-1.0f, 1.0f, 0};
  } else if (min >= 0 || std::fabs(wide_max / wide_min) > 11) {
    limits.low = 0;
  } else if (max <= 0 || std::fabs(wide_min / wide_max) > 11) {
    limits.high = 0;
    limits.exponent = lo.power;
  } else if (lo.power < hi.power) {
    limits.low = static_cast<float>(limits.low * 0.1L);
  } else if (hi.power < lo.power) {
    limits.high = static_cast<float>(limits.high * 0.1L);
    limits.exponent = lo.power;
  }
  if (limits.low > 0 || limits.high < 0) messenger.Show(kLimitsErrorText);
  return limits;
}

void SpreadEvenly(AxisTicks& axis, float low, float high) {
  EnsureTickRoom(axis, axis.count + 1);
  for (int i = 0; i <= axis.count; ++i) {
    axis.ticks[static_cast<std::size_t>(i)] = EvenTick(low, high, i, axis.count);
  }
}

void ScaleLinear(const Limits& limits, AxisTicks& axis, Messenger& messenger) {
  axis.exponent = limits.exponent;
  const float span = limits.high - limits.low;
  if (span < 0.1 || span > 20) {
    messenger.Show(kScaleErrorText);
    SpreadEvenly(axis, limits.low, limits.high);
    return;
  }
  const LinearStep step = StepForSpan(kLinearSteps, span);
  axis.count = step.count;
  SpreadEvenly(axis, limits.low, step.width > 0 ? limits.low + step.width : limits.high);
}

void ScaleLogarithmic(const Limits& limits, AxisTicks& axis, Messenger& messenger) {
  const float scale = std::pow(10.0f, static_cast<float>(limits.exponent));
  const float low = limits.low * scale;
  float high = limits.high * scale;
  axis.exponent = 0;
  if (high - low < 0.99) {
    // Less than a decade: the axis shows the one decade from the lower limit.
    messenger.Show(kLogScaleErrorText);
    high = low + 1;
  }
  const float span = high - low;
  const int per_decade = TicksPerDecade(span);
  if (per_decade == 0) {
    const LinearStep step = StepForSpan(kDecadeSteps, span);
    axis.count = step.count;
    SpreadEvenly(axis, low, low + step.width);
    return;
  }
  const int decades = static_cast<int>(span + 0.02);
  axis.count = decades * per_decade;
  EnsureTickRoom(axis, axis.count + 1);
  for (int d = 0; d < decades; ++d) {
    for (int q = 1; q <= per_decade; ++q) {
      const long double tick = low + d + std::log10(DecadeMultiplier(q, per_decade) * 1.0L);
      axis.ticks[static_cast<std::size_t>(d * per_decade + q - 1)] = static_cast<float>(tick);
    }
  }
  axis.ticks[static_cast<std::size_t>(axis.count)] = high;
}

}  // namespace

RoundedLimit RoundMantissa(float x) {
  if (x == 0 || !std::isfinite(x)) return {};
  long double c = std::fabs(static_cast<long double>(x));
  int power = 0;
  while (c >= 10) {
    c *= 0.1L;
    ++power;
  }
  while (c < 1) {
    c *= 10;
    --power;
  }
  if (c >= 9.93L) {
    ++power;
    c *= 0.1L;
  }
  const long double mantissa = std::trunc((c + 0.07L) * 10) * 0.1L;
  return {static_cast<float>(x < 0 ? -mantissa : mantissa), power};
}

void ScaleAxis(float max, float min, AxisScaleKind kind, AxisTicks& axis, Messenger& messenger) {
  const Limits limits = CommonLimits(max, min, messenger);
  if (kind == AxisScaleKind::kLogarithmic) {
    ScaleLogarithmic(limits, axis, messenger);
  } else {
    ScaleLinear(limits, axis, messenger);
  }
  if (axis.count > 16) messenger.Show(kTooManyTicksText);
}

}  // namespace kortiv
