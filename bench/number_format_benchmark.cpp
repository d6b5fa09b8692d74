// Times the exponent format of the results text on random floats, against
// the plain printf-based way:
//   build/bin/number_format_benchmark

#include <benchmark/benchmark.h>

#include <bit>
#include <cmath>
#include <random>
#include <vector>

#include "reference/printf_number_format.h"
#include "support/number_format.h"

namespace kortiv {
namespace {

// Values of a step response: moments and outputs of ordinary size.
std::vector<float> ResultValues() {
  std::mt19937 random(6);
  std::uniform_real_distribution<float> value(-20, 20);
  std::vector<float> values(4096);
  for (float& v : values) v = value(random);
  return values;
}

void FastExponentFormat(benchmark::State& state) {
  const std::vector<float> values = ResultValues();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatExponent(values[i++ % values.size()], 5, 2));
  }
}

void PlainExponentFormat(benchmark::State& state) {
  const std::vector<float> values = ResultValues();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(reference::FormatExponent(values[i++ % values.size()], 5, 2));
  }
}

BENCHMARK(FastExponentFormat);
BENCHMARK(PlainExponentFormat);

}  // namespace
}  // namespace kortiv

BENCHMARK_MAIN();
