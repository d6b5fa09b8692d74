#include "support/text_codec.h"

#include <gtest/gtest.h>

namespace kortiv {
namespace {

TEST(TextCodec, ConvertsCyrillicBothWays) {
  const std::string cp1251 = "\xCB\xE8\xED\xE5\xE9\xED\xFB\xE5 \xF1\xF5\xE5\xEC\xFB";
  EXPECT_EQ(Utf8ToCp1251("Линейные схемы"), cp1251);
  EXPECT_EQ(Cp1251ToUtf8(cp1251), "Линейные схемы");
  EXPECT_EQ(Utf8ToCp1251("Ёё №"), "\xA8\xB8 \xB9");
  EXPECT_EQ(Cp1251ToUtf8("Kortiv"), "Kortiv");
}

TEST(TextCodec, ReplacesWhatTheOtherSideCannotHoldByOneQuestionMark) {
  EXPECT_EQ(Utf8ToCp1251("a日b"), "a?b");
  EXPECT_EQ(Utf8ToCp1251("x\xC3y"), "x?y");   // a lead byte without its continuation
  EXPECT_EQ(Utf8ToCp1251("\xE6\x97"), "?");   // a character cut short at the end
  EXPECT_EQ(Utf8ToCp1251("\x80Я"), "?\xDF");  // a stray continuation byte
  EXPECT_EQ(Cp1251ToUtf8("a\x98"
                         "b"),
            "a?b");  // the one unassigned byte of the code page
}

}  // namespace
}  // namespace kortiv
