// Compares the fast general and exponent formats with the plain printf-based
// ones over many random float bit patterns (every finite value is equally
// likely to be drawn, whatever its exponent), byte for byte:
//   build/bin/number_format_sweep [COUNT] [SEED]
// Prints the number of values compared and every mismatch; exits with 1 when
// there was one. Far more values than the tests take: minutes, not seconds.

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <random>

#include "reference/printf_number_format.h"
#include "support/number_format.h"

int main(int argc, char** argv) {
  using namespace kortiv;
  const long long count = argc > 1 ? std::atoll(argv[1]) : 10'000'000;
  std::mt19937 random(argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 2026);
  long long compared = 0;
  long long mismatches = 0;
  for (long long i = 0; i < count; ++i) {
    const float value = std::bit_cast<float>(static_cast<std::uint32_t>(random()));
    if (!std::isfinite(value)) continue;
    const int precision = 1 + static_cast<int>(i % 9);
    const bool general =
        FormatGeneral(value, precision, 2) == reference::FormatGeneral(value, precision, 2);
    const bool exponent =
        FormatExponent(value, precision, 2) == reference::FormatExponent(value, precision, 2);
    compared += 2;
    if (!general || !exponent) {
      ++mismatches;
      std::cout << std::hexfloat << value << " precision " << precision << '\n';
    }
  }
  std::cout << compared << " texts compared, " << mismatches << " values differ\n";
  return mismatches == 0 ? 0 : 1;
}
