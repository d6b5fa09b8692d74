#include "elements/sources.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>

#include "elements/element_models.h"
#include "model/catalogue.h"
#include "model/scheme.h"
#include "model/user_settings.h"
#include "support/messenger.h"

namespace kortiv {
namespace {

constexpr int kFirstSourceCode = 100;
constexpr int kLastSourceCode = 113;
constexpr int kWhiteNoiseCode = 109;
constexpr int kMaxSourceParams = 5;

// The parameters of a source as the dialog stores them; a value beyond the
// element's block reads as 0.
struct SourceParams {
  std::array<float, kMaxSourceParams> p{};

  SourceParams(const Scheme& scheme, int element) {
    const int address = scheme.GetParamAddress(element);
    const int count = scheme.GetParamCount(element);
    for (int i = 0; i < kMaxSourceParams; ++i) {
      const int at = address + i;
      if (address > 0 && i < count && at < scheme.ParsMax()) p[i] = scheme.Param(at);
    }
  }
  long double operator[](int i) const { return p[i]; }
};

// Parameters, moments and the moments within a period are floats; the
// value itself is worked out in extended precision.
using Ld = long double;
using TimeSource = double (*)(const SourceParams& p, float t, float d);

float Narrow(Ld value) {
  return static_cast<float>(value);
}

// Counts, decades and choices are stored as floats and read by truncation;
// values far out of range are held at a billion.
long long TruncatedCount(Ld value) {
  constexpr Ld kLimit = 1e9L;
  if (std::isnan(value)) return 0;
  return static_cast<long long>(std::trunc(std::clamp(value, -kLimit, kLimit)));
}

// Time within the period of the moment t.
float WithinPeriod(float t, Ld period) {
  return Narrow(t - std::trunc(t / period) * period);
}
// Start of the period that holds t.
float PeriodStart(float t, Ld period) {
  return Narrow(std::trunc(t / period) * period);
}

double Sine(const SourceParams& p, float t, float) {
  return p[0] * std::sin(p[1] * t);
}

double Step(const SourceParams& p, float, float d) {
  return d >= p[1] ? p[0] : 0;
}

double Ramp(const SourceParams& p, float t, float d) {
  return d >= p[1] ? (t - p[1]) * p[0] : 0;
}

double Harmonic(const SourceParams& p, float t, float) {
  return p[0] * std::sin(p[1] * t + p[2]);
}

double SinglePulse(const SourceParams& p, float, float d) {
  return p[1] <= d && d <= p[1] + p[2] ? p[0] : 0;
}

double Sawtooth(const SourceParams& p, float t, float) {
  const Ld periods = std::trunc(t / p[1]);
  return (t - periods * p[1]) * p[0] / p[1];
}

double SquareWave(const SourceParams& p, float t, float) {
  const float s = PeriodStart(t, p[1]);
  return s <= t && t < s + p[1] / 2 ? p[0] : -p[0];
}

// No pulse comes before the delay: for d < T the period number would round
// toward zero and put one-point pulses at T - j * P.
double PulsePacket(const SourceParams& p, float, float d) {
  if (d < p[2]) return 0;
  const Ld period = p[3] + p[4];
  const Ld k = std::trunc((d - p[2]) / period);
  const float s = Narrow(k * period + p[2]);
  return k < std::trunc(p[1] + 0.1L) && s <= d && d < s + p[3] ? p[0] : 0;
}

double SymmetricSawtooth(const SourceParams& p, float t, float) {
  const float r = WithinPeriod(t, p[1]);
  const Ld value = 2 * p[0] * r / p[1];
  return r > p[1] / 2 ? value - 2 * p[0] : value;
}

double PeriodicPulses(const SourceParams& p, float t, float) {
  const float s = PeriodStart(t, p[2]);
  return s <= t && t < s + p[1] ? p[0] : 0;
}

double Triangle(const SourceParams& p, float t, float) {
  const float r = WithinPeriod(t, p[2]);
  return r <= p[1] ? r * p[0] / p[1] : p[0] - (r - p[1]) * p[0] / (p[2] - p[1]);
}

double Zero(const SourceParams&, float, float) {
  return 0;
}

// Time sources by code - 100; white noise and the sweep generator fill the
// whole series themselves.
constexpr std::array<TimeSource, 14> kTimeSources{
    Sine,       Step,           Ramp,
    Harmonic,   SinglePulse,    Sawtooth,
    SquareWave, PulsePacket,    SymmetricSawtooth,
    nullptr,    PeriodicPulses, Triangle,
    nullptr,    Zero,
};

void FillTimeSource(const EvalContext& context, TimeSource source, const SourceParams& p,
                    Series& output) {
  const RunState& run = context.run;
  for (int j = 0; j <= run.last_point; ++j) {
    const float t = run.Moment(j);
    output[j] = source(p, t, t - run.t0);
  }
}

std::uint64_t SplitMix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

// A fine clock mixed with the element number, so that runs within one
// second and two noise sources of one run differ.
std::uint64_t NoiseSeed(const RunState& run, int element) {
  const std::uint64_t clock = run.noise_seed.value_or(static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  return SplitMix(clock ^ SplitMix(static_cast<std::uint64_t>(element)));
}

// Values 0..32767, as the run-time library's generator gives them.
class NoiseGenerator {
 public:
  explicit NoiseGenerator(std::uint64_t seed)
      : engine_(static_cast<std::uint32_t>(seed ^ (seed >> 32))) {}
  int Next() { return static_cast<int>(engine_() >> 17); }

 private:
  std::mt19937 engine_;
};

// Uniform values in [-1, 1] scaled so that their squares add up to N * p0.
void FillWhiteNoise(const EvalContext& context, int element, const SourceParams& p,
                    Series& output) {
  const int last = context.run.last_point;
  NoiseGenerator generator(NoiseSeed(context.run, element));
  float square_sum = 0;
  for (int j = 0; j <= last; ++j) {
    const double x = 2.0 * generator.Next() / 32767 - 1;
    output[j] = x;
    square_sum += static_cast<float>(x * x);
  }
  const double scale = std::sqrt(static_cast<Ld>(last) * p[0] / square_sum);
  for (int j = 0; j <= last; ++j) output[j] *= scale;
}

// The sweep generator's second call: the frequency grid into column 0, the
// kind of characteristic for the plot window, 1 + 0j at every frequency.
void FillSweepGenerator(EvalContext& context, int element, const SourceParams& p, Series& output) {
  RunState& run = context.run;
  const long long kind = 10 * TruncatedCount(p[2]);
  run.freq_plot_kind = static_cast<int>(kind == 30 ? kind : kind + TruncatedCount(p[3]));
  const SweepGrid grid = SweepGridOf(context, element);
  const Ld unit = context.settings.FreqInHertz ? 2 * std::numbers::pi_v<Ld> : 1;
  const long long d = grid.points_per_decade;
  for (long long decade = grid.first_decade; decade < grid.last_decade; ++decade) {
    const Ld decade_start = std::pow(10.0L, static_cast<Ld>(decade));
    for (long long k = 0; k < d; ++k) {
      const long long point = (decade - grid.first_decade) * d + k;
      if (point > run.last_point) return;
      run.ResultAt(static_cast<int>(point), 0) = Narrow((9.0L * k / d + 1) * decade_start * unit);
    }
  }
  if (grid.LastPoint() <= run.last_point) {
    run.ResultAt(static_cast<int>(grid.LastPoint()), 0) =
        Narrow(std::pow(10.0L, static_cast<Ld>(grid.last_decade)) * unit);
  }
  const int per = run.PerPoint();
  for (int j = 0; j <= run.last_point; ++j) {
    output[static_cast<std::size_t>(j) * per] = 1;
    if (per == 2) output[static_cast<std::size_t>(j) * per + 1] = 0;
  }
}

}  // namespace

SweepGrid SweepGridOf(const EvalContext& context, int element) {
  const SourceParams p(context.scheme, element);
  return {TruncatedCount(p[0]), TruncatedCount(p[1]), TruncatedCount(p[4])};
}

void EvaluateSource(EvalContext& context, int element, Series& output) {
  context.run.freq_plot_kind = -1;
  const int code = context.scheme.GetCode(element);
  if (code < kFirstSourceCode || code > kLastSourceCode) {
    context.messenger.Show("Вызов элемента-несигнала как источника сигнала!");
    return;
  }
  const SourceParams p(context.scheme, element);
  if (code == kSweepGeneratorCode) {
    FillSweepGenerator(context, element, p, output);
  } else if (code == kWhiteNoiseCode) {
    FillWhiteNoise(context, element, p, output);
  } else {
    FillTimeSource(context, kTimeSources[code - kFirstSourceCode], p, output);
  }
}

}  // namespace kortiv
