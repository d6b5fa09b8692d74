#pragma once

// The plain way to the general and exponent formats: printf of the long
// double's decimal expansion, then a look at 60 digits for exact halves.
// Slow, obviously right; the fast formatter is compared with it.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace kortiv::reference {

struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

inline Decimal PrintDecimal(long double value, int digits) {
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

// Whether |value| lies exactly half way between two numbers of `precision`
// significant digits.
inline bool IsExactHalf(long double value, int precision) {
  const Decimal wide = PrintDecimal(value, 60);
  return wide.digits[precision] == '5' &&
         wide.digits.find_first_not_of('0', precision + 1) == std::string::npos;
}

inline Decimal ToDecimal(long double value, int precision) {
  Decimal d = PrintDecimal(value, precision);
  if (!IsExactHalf(value, precision)) return d;
  const Decimal wide = PrintDecimal(value, 60);
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

inline std::string ExponentText(int exponent, int min_digits, bool always_sign) {
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

inline std::string FormatGeneral(long double value, int precision, int exponent_digits,
                                 char separator = '.') {
  if (value == 0) return "0";
  Decimal d = ToDecimal(value, precision);
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  std::string text = d.negative ? "-" : "";
  const int integer_digits = d.exponent + 1;
  if (integer_digits > precision || integer_digits < -3) {
    text += d.digits[0];
    if (d.digits.size() > 1) text += separator + d.digits.substr(1);
    return text + ExponentText(d.exponent, exponent_digits, false);
  }
  if (integer_digits <= 0) {
    return text + "0" + separator + std::string(-integer_digits, '0') + d.digits;
  }
  if (static_cast<int>(d.digits.size()) <= integer_digits) {
    return text + d.digits + std::string(integer_digits - d.digits.size(), '0');
  }
  return text + d.digits.substr(0, integer_digits) + separator + d.digits.substr(integer_digits);
}

inline std::string FormatExponent(long double value, int precision, int exponent_digits,
                                  char separator = '.') {
  if (value == 0) value = 0;
  Decimal d = ToDecimal(value, precision);
  if (value == 0) d.exponent = 0;
  std::string text = d.negative ? "-" : "";
  text += d.digits[0];
  if (precision > 1) text += separator + d.digits.substr(1);
  return text + ExponentText(d.exponent, exponent_digits, true);
}

}  // namespace kortiv::reference
