#include "support/number_format.h"

#include <gtest/gtest.h>

namespace kortiv {
namespace {

TEST(FormatGeneral, ShowsTheFloatsOwnDigits) {
  EXPECT_EQ(FormatGeneral(0.1f, 15, 2), "0.100000001490116");
  EXPECT_EQ(FormatGeneral(0.5f, 7, 4), "0.5");
  EXPECT_EQ(FormatGeneral(1.0f, 7, 4), "1");
  EXPECT_EQ(FormatGeneral(12.5f, 7, 4), "12.5");
  EXPECT_EQ(FormatGeneral(-6.2f, 7, 4), "-6.2");
  EXPECT_EQ(FormatGeneral(0.0, 7, 4), "0");
}

TEST(FormatGeneral, SwitchesToScientificForLargeAndTinyValues) {
  EXPECT_EQ(FormatGeneral(1234567.0, 7, 4), "1234567");
  EXPECT_EQ(FormatGeneral(12345678.0, 7, 4), "1.234568E0007");
  EXPECT_EQ(FormatGeneral(0.0001, 7, 4), "0.0001");
  EXPECT_EQ(FormatGeneral(0.00001, 7, 4), "1E-0005");
  EXPECT_EQ(FormatGeneral(-1.5e-7, 3, 2), "-1.5E-07");
  EXPECT_EQ(FormatGeneral(1000.0, 3, 2), "1E03");
  EXPECT_EQ(FormatGeneral(999.6, 3, 2), "1E03");
}

TEST(FormatGeneral, RoundsExactHalvesAwayFromZero) {
  EXPECT_EQ(FormatGeneral(1.125, 3, 2), "1.13");
  EXPECT_EQ(FormatGeneral(-2.5, 1, 2), "-3");
  EXPECT_EQ(FormatGeneral(1234566.5f, 7, 4), "1234567");
  EXPECT_EQ(FormatGeneral(9.5, 1, 2), "1E01");
  EXPECT_EQ(FormatExponent(0.125, 2, 2), "1.3E-01");
  EXPECT_EQ(FormatExponent(0.105, 2, 2), "1.0E-01");  // the double 0.105 lies below the half
}

TEST(FormatGeneral, UsesTheGivenSeparator) {
  EXPECT_EQ(FormatGeneral(2.25, 7, 4, ','), "2,25");
  EXPECT_EQ(FormatGeneral(0.02, 3, 2, ','), "0,02");
}

TEST(FormatExponent, AlwaysOneDigitBeforeTheSeparatorAndASignedExponent) {
  EXPECT_EQ(FormatExponent(0.5, 5, 2), "5.0000E-01");
  EXPECT_EQ(FormatExponent(0.0, 5, 2), "0.0000E+00");
  EXPECT_EQ(FormatExponent(-0.0, 5, 2), "0.0000E+00");
  EXPECT_EQ(FormatGeneral(-0.0, 7, 4), "0");
  EXPECT_EQ(FormatExponent(-123.456, 5, 2), "-1.2346E+02");
  EXPECT_EQ(FormatExponent(1e120, 5, 2), "1.0000E+120");
  EXPECT_EQ(FormatExponent(9.99996, 5, 2, ','), "1,0000E+01");
}

TEST(TryParseDecimal, ReadsOnlyWholeDecimalNumbers) {
  double value = -1;
  EXPECT_TRUE(TryParseDecimal(" 2.5 ", '.', value));
  EXPECT_DOUBLE_EQ(value, 2.5);
  EXPECT_TRUE(TryParseDecimal("-1,5E-2", ',', value));
  EXPECT_DOUBLE_EQ(value, -0.015);
  EXPECT_TRUE(TryParseDecimal("+3", '.', value));
  EXPECT_DOUBLE_EQ(value, 3);
  value = 7;
  for (const char* bad : {"", "abc", "1.2.3", "0x10", "inf", "nan", "1e", "2,5", "."}) {
    EXPECT_FALSE(TryParseDecimal(bad, '.', value)) << bad;
  }
  EXPECT_EQ(value, 7);
}

}  // namespace
}  // namespace kortiv
