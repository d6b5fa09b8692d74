// The fast general and exponent formats against the plain printf-based ones,
// byte for byte: every float exponent, random floats, doubles and long
// doubles, and exact halves built on purpose.

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>

#include "reference/printf_number_format.h"
#include "support/number_format.h"

namespace kortiv {
namespace {

constexpr int kPrecisions[] = {1, 2, 3, 5, 7, 9, 12, 17};

class FormatComparison {
 public:
  // Through the long double entry, and through the double entry when the
  // value is a double.
  void Compare(long double value, int precision) {
    const std::string general = reference::FormatGeneral(value, precision, 2, ',');
    const std::string exponent = reference::FormatExponent(value, precision, 2);
    Check(value, precision, 'G', FormatGeneral(value, precision, 2, ','), general);
    Check(value, precision, 'E', FormatExponent(value, precision, 2), exponent);
    const auto as_double = static_cast<double>(value);
    if (as_double != value) return;
    Check(value, precision, 'g', FormatGeneral(as_double, precision, 2, ','), general);
    Check(value, precision, 'e', FormatExponent(as_double, precision, 2), exponent);
  }
  int compared() const { return compared_; }
  int mismatches() const { return mismatches_; }
  const std::string& first_mismatch() const { return first_mismatch_; }

 private:
  void Check(long double value, int precision, char format, const std::string& fast,
             const std::string& plain) {
    ++compared_;
    if (fast == plain) return;
    if (mismatches_++ > 0) return;
    std::ostringstream text;
    text.precision(25);
    text << format << " " << value << " (" << std::hexfloat << value << ") precision " << precision
         << ": fast " << fast << ", plain " << plain;
    first_mismatch_ = text.str();
  }
  int compared_ = 0;
  int mismatches_ = 0;
  std::string first_mismatch_;
};

float FloatFromBits(std::uint32_t bits) {
  return std::bit_cast<float>(bits);
}

void ExpectSame(const FormatComparison& comparison) {
  EXPECT_EQ(comparison.mismatches(), 0) << comparison.first_mismatch();
}

TEST(FastNumberFormat, MatchesThePlainFormatAcrossEveryFloatExponent) {
  std::mt19937 random(16);
  FormatComparison comparison;
  for (std::uint32_t exponent = 0; exponent < 255; ++exponent) {
    std::vector<std::uint32_t> mantissas = {1, 0x7FFFFF, 0x400000, 0x000001, 0x200000};
    for (int i = 0; i < 24; ++i) mantissas.push_back(random() & 0x7FFFFF);
    if (exponent > 0) mantissas.push_back(0);
    for (std::uint32_t mantissa : mantissas) {
      for (std::uint32_t sign : {0u, 0x80000000u}) {
        const float value = FloatFromBits(sign | exponent << 23 | mantissa);
        if (value == 0) continue;
        for (int precision : kPrecisions) comparison.Compare(value, precision);
      }
    }
  }
  ExpectSame(comparison);
  EXPECT_GT(comparison.compared(), 200000);
}

TEST(FastNumberFormat, MatchesThePlainFormatForRandomFloats) {
  std::mt19937 random(1616);
  FormatComparison comparison;
  for (int i = 0; i < 60000; ++i) {
    const float value = FloatFromBits(random());
    if (!std::isfinite(value) || value == 0) continue;
    for (int precision : {3, 5, 7}) comparison.Compare(value, precision);
  }
  ExpectSame(comparison);
}

// Floats near the powers of ten, where the digit count changes and scaling
// errors would show first.
TEST(FastNumberFormat, MatchesThePlainFormatAroundPowersOfTen) {
  FormatComparison comparison;
  for (int power = -45; power <= 38; ++power) {
    const float near = std::pow(10.0f, static_cast<float>(power));
    std::uint32_t bits = std::bit_cast<std::uint32_t>(near);
    for (std::uint32_t b = bits - 8; b <= bits + 8; ++b) {
      const float value = FloatFromBits(b);
      if (value == 0 || !std::isfinite(value)) continue;
      for (int precision : kPrecisions) comparison.Compare(value, precision);
    }
  }
  ExpectSame(comparison);
}

TEST(FastNumberFormat, MatchesThePlainFormatForDoublesAndLongDoubles) {
  std::mt19937_64 random(161616);
  std::uniform_real_distribution<double> exponent(-300, 300);
  FormatComparison comparison;
  for (int i = 0; i < 20000; ++i) {
    const double value = std::pow(10.0, exponent(random)) * (i % 2 ? -1 : 1);
    comparison.Compare(value, kPrecisions[i % std::size(kPrecisions)]);
    const long double extended = value * (1.0L + 0x1p-60L);  // bits a double lacks
    comparison.Compare(extended, kPrecisions[i % std::size(kPrecisions)]);
  }
  ExpectSame(comparison);
}

// An exact half at p digits is m x 2^e (m odd) whose decimal expansion has
// p + 1 digits ending in 5: m x 2^-k has k decimals ending in 5, and
// m x 2^k with 5^k dividing m is an integer ending in 5 x 10^k.
TEST(FastNumberFormat, RoundsEveryExactHalfAwayFromZeroAsThePlainFormat) {
  std::mt19937 random(116);
  FormatComparison comparison;
  int halves = 0;
  for (int i = 0; i < 60000; ++i) {
    const std::uint32_t odd = (random() & 0xFFFFFF) | 1;
    const int k = 1 + static_cast<int>(random() % 20);
    std::uint64_t five_power = 1;
    for (int j = 0; j < k && five_power < (1u << 24); ++j) five_power *= 5;
    const bool integer = i % 4 == 0 && five_power < (1u << 24);
    const std::uint32_t mantissa =
        integer ? static_cast<std::uint32_t>(five_power) * (odd % ((1u << 24) / five_power) | 1)
                : odd;
    const float value = std::ldexp(static_cast<float>(mantissa), integer ? k : -k);
    // The digit count of the expansion tells the precision at which it is a half.
    const std::string exact = reference::PrintDecimal(value, 60).digits;
    const int precision = static_cast<int>(exact.find_last_not_of('0'));
    if (precision < 1 || precision > 17 || exact[precision] != '5') continue;
    ASSERT_TRUE(reference::IsExactHalf(value, precision)) << value;
    ++halves;
    comparison.Compare(value, precision);
    comparison.Compare(-value, precision);
  }
  ExpectSame(comparison);
  EXPECT_GT(halves, 20000);
}

}  // namespace
}  // namespace kortiv
