#include "support/number_format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale>
#include <stdexcept>
#include <string>
#include <system_error>
#include <utility>

namespace kortiv {
namespace {

// Room for the significant digits of any long double and far more.
constexpr int kMaxDigits = 40;

struct Decimal {
  bool negative = false;
  int count = 0;     // significant digits in `digits`, the first one non-zero
  int exponent = 0;  // value = d.ddd x 10^exponent
  char digits[kMaxDigits + 1] = {};
};

// The fast path works in doubles with integers of up to this many digits;
// more digits go the exact way.
constexpr int kFastDigits = 9;
// Largest power of ten the fast path scales by (floats need up to 10^53).
constexpr int kMaxFastScale = 64;

constexpr std::array<double, kMaxFastScale + 1> PowersOfTen() {
  std::array<double, kMaxFastScale + 1> powers{};
  long double power = 1;  // exact up to 10^27, then rounded once per step
  for (double& p : powers) {
    p = static_cast<double>(power);
    power *= 10;
  }
  return powers;
}
constexpr std::array<double, kMaxFastScale + 1> kPowersOfTen = PowersOfTen();

// Digits and exponent of a value in the form "d.ddde±x" as to_chars writes it.
Decimal ParseScientific(const char* begin, const char* end) {
  Decimal d;
  const char* p = begin;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  for (; p != end && *p != 'e'; ++p) {
    if (*p != '.') d.digits[d.count++] = *p;
  }
  if (p != end) std::from_chars(p + (p[1] == '+' ? 2 : 1), end, d.exponent);
  return d;
}

template <typename Float>
Decimal RoundToEven(Float value, int digits) {
  char buffer[kMaxDigits + 16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                    std::chars_format::scientific, digits - 1);
  return ParseScientific(buffer, result.ptr);
}

// Whether the exact decimal expansion of a non-zero value ends with the
// digit at 10^position. With |value| = m x 2^e, m odd: for e < 0 the
// expansion m x 5^-e / 10^-e ends at 10^e; an integer ends at 10^e when it is
// m x 2^e with 5^e dividing m.
template <typename Float>
bool ExpansionEndsAt(Float value, int position) {
  int binary_exponent = 0;
  const Float fraction = std::frexp(std::fabs(value), &binary_exponent);
  std::uint64_t mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 64));
  const int zeros = std::countr_zero(mantissa);
  mantissa >>= zeros;
  if (binary_exponent - 64 + zeros != position) return false;
  std::uint64_t power_of_five = 1;
  for (int i = 0; i < position; ++i) {
    if (power_of_five > mantissa / 5) return false;
    power_of_five *= 5;
  }
  return mantissa % power_of_five == 0;
}

// Rounds |value| to `precision` significant digits, an exact half away from
// zero as people round by hand (0.125 to two digits is 0.13). to_chars gives
// the correct rounding with ties to even; a tie is a value whose expansion
// ends with a 5 just after the last digit kept.
template <typename Float>
Decimal ExactDecimal(Float value, int precision) {
  Decimal d = RoundToEven(value, precision);
  const Decimal wide = RoundToEven(value, precision + 1);
  if (wide.digits[precision] != '5' || !ExpansionEndsAt(value, wide.exponent - precision)) {
    return d;
  }
  d.exponent = wide.exponent;
  std::copy_n(wide.digits, precision, d.digits);
  int i = precision - 1;
  for (; i >= 0 && d.digits[i] == '9'; --i) d.digits[i] = '0';
  if (i >= 0) {
    ++d.digits[i];
  } else {
    d.digits[0] = '1';
    ++d.exponent;
  }
  return d;
}

// |value| x 10^scale with a relative error of about one unit in the last
// place: one rounded power and one rounded product or quotient.
double Scaled(double magnitude, int scale) {
  return scale >= 0 ? magnitude * kPowersOfTen[scale] : magnitude / kPowersOfTen[-scale];
}

// The same rounding as ExactDecimal for |value| of a double, in a few
// multiplications: the value scaled to an integer of `precision` digits and
// rounded. False where the scaled value lies too near a half or near the
// lowest integer of that many digits for its small error to be ruled out:
// the exact way decides those.
bool FastDigits(double magnitude, int precision, std::uint64_t& digits, int& exponent) {
  const int biased_exponent = static_cast<int>(std::bit_cast<std::uint64_t>(magnitude) >> 52);
  if (biased_exponent == 0) return false;  // below 2^-1022
  // floor(e log10 2) for the binary exponent e: the decimal exponent or one
  // below it.
  exponent = ((biased_exponent - 1023) * 78913) >> 18;
  const double lowest = kPowersOfTen[precision - 1];
  const double above = kPowersOfTen[precision];
  double scaled = 0;
  for (int attempt = 0;; ++attempt) {
    const int scale = precision - 1 - exponent;
    if (attempt == 3 || std::abs(scale) > kMaxFastScale) return false;
    scaled = Scaled(magnitude, scale);
    if (scaled >= above) {
      ++exponent;
    } else if (scaled < lowest) {
      --exponent;
    } else {
      break;
    }
  }
  const double tolerance = scaled * 0x1p-48;
  digits = static_cast<std::uint64_t>(scaled);  // the floor: scaled is positive
  const double fraction = scaled - static_cast<double>(digits);
  if (std::fabs(fraction - 0.5) <= tolerance || scaled - lowest <= tolerance) return false;
  if (fraction > 0.5) ++digits;
  if (digits == static_cast<std::uint64_t>(above)) {
    digits /= 10;
    ++exponent;
  }
  return true;
}

int DigitCount(int number) {
  int count = 1;
  for (; number >= 10; number /= 10) ++count;
  return count;
}

// Writes the last `count` digits of `digits` at `out`, zeros in front.
void WriteDigits(std::uint64_t digits, int count, char* out) {
  for (int i = count - 1; i >= 0; --i, digits /= 10) out[i] = static_cast<char>('0' + digits % 10);
}

Decimal FastDecimal(double value, int precision) {
  Decimal d;
  std::uint64_t digits = 0;
  if (!FastDigits(std::fabs(value), precision, digits, d.exponent)) {
    return ExactDecimal(value, precision);
  }
  d.negative = std::signbit(value);
  d.count = precision;
  WriteDigits(digits, precision, d.digits);
  return d;
}

// A finite non-zero value rounded to `precision` significant digits.
Decimal ToDecimal(double value, int precision) {
  return precision <= kFastDigits ? FastDecimal(value, precision) : ExactDecimal(value, precision);
}

Decimal ToDecimal(long double value, int precision) {
  const auto as_double = static_cast<double>(value);
  if (static_cast<long double>(as_double) == value) return ToDecimal(as_double, precision);
  return ExactDecimal(value, precision);
}

// The text of a number, piece by piece.
class TextBuffer {
 public:
  void Add(char c) { text_ += c; }
  void Add(const char* begin, int count) { text_.append(begin, count); }
  void AddRepeated(char c, int count) { text_.append(count, c); }
  void AddExponent(int exponent, int min_digits, bool always_sign) {
    Add('E');
    if (exponent < 0) {
      Add('-');
    } else if (always_sign) {
      Add('+');
    }
    char number[16];
    const int length = static_cast<int>(
        std::to_chars(number, number + sizeof number, std::abs(exponent)).ptr - number);
    AddRepeated('0', std::max(0, min_digits - length));
    Add(number, length);
  }
  std::string Text() && { return std::move(text_); }

 private:
  std::string text_;
};

std::string SpecialText(long double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

// Precision as the texts can hold it: at least one digit, at most what a
// long double can show.
int UsableDigits(int precision) {
  return std::clamp(precision, 1, kMaxDigits - 2);
}

template <typename Float>
std::string General(Float value, int precision, int exponent_digits, char decimal_separator) {
  if (!std::isfinite(value)) return SpecialText(value);
  if (value == 0) return "0";
  precision = UsableDigits(precision);
  Decimal d = ToDecimal(value, precision);
  while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;

  TextBuffer text;
  if (d.negative) text.Add('-');
  const int integer_digits = d.exponent + 1;
  if (integer_digits > precision || integer_digits < -3) {
    text.Add(d.digits[0]);
    if (d.count > 1) {
      text.Add(decimal_separator);
      text.Add(d.digits + 1, d.count - 1);
    }
    text.AddExponent(d.exponent, exponent_digits, false);
  } else if (integer_digits <= 0) {
    text.Add('0');
    text.Add(decimal_separator);
    text.AddRepeated('0', -integer_digits);
    text.Add(d.digits, d.count);
  } else if (d.count <= integer_digits) {
    text.Add(d.digits, d.count);
    text.AddRepeated('0', integer_digits - d.count);
  } else {
    text.Add(d.digits, integer_digits);
    text.Add(decimal_separator);
    text.Add(d.digits + integer_digits, d.count - integer_digits);
  }
  return std::move(text).Text();
}

template <typename Float>
std::string Exponent(Float value, int precision, int exponent_digits, char decimal_separator) {
  if (!std::isfinite(value)) return SpecialText(value);
  precision = UsableDigits(precision);
  Decimal d;
  if (value == 0) {  // no sign for a negative zero
    d.count = precision;
    std::fill_n(d.digits, precision, '0');
  } else {
    d = ToDecimal(value, precision);
  }
  TextBuffer text;
  if (d.negative) text.Add('-');
  text.Add(d.digits[0]);
  if (precision > 1) {
    text.Add(decimal_separator);
    text.Add(d.digits + 1, precision - 1);
  }
  text.AddExponent(d.exponent, exponent_digits, true);
  return std::move(text).Text();
}

}  // namespace

std::string FormatGeneral(double value, int precision, int exponent_digits,
                          char decimal_separator) {
  return General(value, precision, exponent_digits, decimal_separator);
}

std::string FormatGeneral(long double value, int precision, int exponent_digits,
                          char decimal_separator) {
  return General(value, precision, exponent_digits, decimal_separator);
}

// The exponent form of the results text, a million numbers at a time: the
// text is written straight into its string.
std::string FormatExponent(double value, int precision, int exponent_digits,
                           char decimal_separator) {
  std::uint64_t digits = 0;
  int exponent = 0;
  if (!std::isfinite(value) || value == 0 || precision < 1 || precision > kFastDigits ||
      !FastDigits(std::fabs(value), precision, digits, exponent)) {
    return Exponent(value, precision, exponent_digits, decimal_separator);
  }
  const bool negative = std::signbit(value);
  const int exponent_length = std::max(exponent_digits, DigitCount(std::abs(exponent)));
  std::string text(negative + 1 + (precision > 1 ? precision : 0) + 2 + exponent_length, '0');
  char* out = text.data();
  if (negative) *out++ = '-';
  if (precision > 1) {
    // All digits one place on, then the first one moved before the separator.
    WriteDigits(digits, precision, out + 1);
    out[0] = out[1];
    out[1] = decimal_separator;
    out += precision + 1;
  } else {
    WriteDigits(digits, 1, out++);
  }
  *out++ = 'E';
  *out++ = exponent < 0 ? '-' : '+';
  WriteDigits(std::abs(exponent), exponent_length, out);
  return text;
}

std::string FormatExponent(long double value, int precision, int exponent_digits,
                           char decimal_separator) {
  return Exponent(value, precision, exponent_digits, decimal_separator);
}

bool TryParseDecimal(std::string_view text, char decimal_separator, double& value) {
  std::string s(text);
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return false;
  s = s.substr(first, s.find_last_not_of(" \t") - first + 1);

  // Only the characters of a decimal number are allowed; strtod would also
  // take hexadecimal numbers, "inf" and "nan".
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  bool digits = false;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, digits = true;
  if (i < s.size() && s[i] == decimal_separator) {
    s[i] = '.';
    ++i;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) ++i, digits = true;
  }
  if (!digits) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    bool exponent_digits = false;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
      ++i;
      exponent_digits = true;
    }
    if (!exponent_digits) return false;
  }
  if (i != s.size()) return false;

  const char* begin = s.data() + (s[0] == '+' ? 1 : 0);
  double parsed = 0;
  auto [end, error] = std::from_chars(begin, s.data() + s.size(), parsed);
  if (end != s.data() + s.size()) return false;
  // Out of range: zero for an underflow, infinity for an overflow.
  if (error == std::errc::result_out_of_range) {
    const bool underflow = s.find("e-") != std::string::npos || s.find("E-") != std::string::npos;
    parsed = underflow ? 0.0 : HUGE_VAL;
    if (s[0] == '-') parsed = -parsed;
  }
  value = parsed;
  return true;
}

char SystemDecimalSeparator() {
  try {
    return std::use_facet<std::numpunct<char>>(std::locale("")).decimal_point();
  } catch (const std::runtime_error&) {
    return '.';  // the environment names a locale this machine does not have
  }
}

}  // namespace kortiv
