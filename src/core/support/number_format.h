#pragma once

#include <string>
#include <string_view>

namespace kortiv {

// General format: the shorter of fixed and scientific notation with
// `precision` significant digits, trailing zeros dropped; scientific notation
// is used when the value needs more than `precision` integer digits or is
// below 1E-4, with at least `exponent_digits` exponent digits and a sign only
// for negative exponents ("1.5E-07", "1E20"). An exact half is rounded away
// from zero.
std::string FormatGeneral(double value, int precision, int exponent_digits,
                          char decimal_separator = '.');
std::string FormatGeneral(long double value, int precision, int exponent_digits,
                          char decimal_separator = '.');

// Exponent form: one digit, the separator, precision - 1 digits, "E", the
// exponent's sign and at least `exponent_digits` digits ("5.0000E-01").
std::string FormatExponent(double value, int precision, int exponent_digits,
                           char decimal_separator = '.');
std::string FormatExponent(long double value, int precision, int exponent_digits,
                           char decimal_separator = '.');

// Reads a whole decimal number written with the given separator (an optional
// sign, digits, an optional fraction and exponent, surrounding blanks
// allowed). Returns false and leaves `value` alone when the text is not one.
bool TryParseDecimal(std::string_view text, char decimal_separator, double& value);

// The decimal separator of the user's locale.
char SystemDecimalSeparator();

}  // namespace kortiv
