#include "support/number_format.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <stdexcept>
#include <string>
#include <system_error>

namespace kortiv {
namespace {

struct Decimal {
  bool negative = false;
  std::string digits;  // significant digits, first one non-zero
  int exponent = 0;    // value = d.ddd x 10^exponent
};

// The value in scientific notation with `digits` significant digits, as
// printf rounds it (ties to even).
Decimal PrintDecimal(long double value, int digits) {
  char buffer[160];
  std::snprintf(buffer, sizeof buffer, "%.*Le", digits - 1, value);
  Decimal d;
  const char* p = buffer;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  for (; *p && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') d.digits += *p;
  }
  if (*p == 'e') d.exponent = std::atoi(p + 1);
  return d;
}

// Rounds |value| to `precision` significant digits, an exact half away from
// zero as people round by hand (0.125 to two digits is 0.13). Values that are
// exact halves have short expansions, so 60 digits show every one of them.
Decimal ToDecimal(long double value, int precision) {
  constexpr int kExactDigits = 60;
  Decimal d = PrintDecimal(value, precision);
  if (precision >= kExactDigits) return d;
  const Decimal wide = PrintDecimal(value, kExactDigits);
  const bool exact_half = wide.digits[precision] == '5' &&
                          wide.digits.find_first_not_of('0', precision + 1) == std::string::npos;
  if (!exact_half) return d;
  d.exponent = wide.exponent;
  d.digits = wide.digits.substr(0, precision);
  int i = precision - 1;
  for (; i >= 0 && d.digits[i] == '9'; --i) d.digits[i] = '0';
  if (i >= 0) {
    ++d.digits[i];
  } else {
    d.digits.insert(d.digits.begin(), '1');
    d.digits.pop_back();
    ++d.exponent;
  }
  return d;
}

std::string SpecialText(long double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

std::string ExponentText(int exponent, int min_digits, bool always_sign) {
  std::string text = "E";
  if (exponent < 0) {
    text += '-';
  } else if (always_sign) {
    text += '+';
  }
  std::string number = std::to_string(std::abs(exponent));
  if (static_cast<int>(number.size()) < min_digits) {
    number.insert(0, min_digits - number.size(), '0');
  }
  return text + number;
}

}  // namespace

std::string FormatGeneral(long double value, int precision, int exponent_digits,
                          char decimal_separator) {
  if (!std::isfinite(value)) return SpecialText(value);
  if (value == 0) return "0";
  Decimal d = ToDecimal(value, precision);
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();

  std::string text = d.negative ? "-" : "";
  const int integer_digits = d.exponent + 1;
  if (integer_digits > precision || integer_digits < -3) {
    text += d.digits[0];
    if (d.digits.size() > 1) text += decimal_separator + d.digits.substr(1);
    return text + ExponentText(d.exponent, exponent_digits, false);
  }
  if (integer_digits <= 0) {
    return text + "0" + decimal_separator + std::string(-integer_digits, '0') + d.digits;
  }
  if (static_cast<int>(d.digits.size()) <= integer_digits) {
    return text + d.digits + std::string(integer_digits - d.digits.size(), '0');
  }
  return text + d.digits.substr(0, integer_digits) + decimal_separator +
         d.digits.substr(integer_digits);
}

std::string FormatExponent(long double value, int precision, int exponent_digits,
                           char decimal_separator) {
  if (!std::isfinite(value)) return SpecialText(value);
  if (value == 0) value = 0;  // no sign for a negative zero
  Decimal d = ToDecimal(value, precision);
  if (value == 0) d.exponent = 0;
  std::string text = d.negative ? "-" : "";
  text += d.digits[0];
  if (precision > 1) text += decimal_separator + d.digits.substr(1);
  return text + ExponentText(d.exponent, exponent_digits, true);
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
