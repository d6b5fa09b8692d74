#include "params/parse_number.h"

#include <gtest/gtest.h>

#include "model/stored_integer.h"
#include "params/time_scale_stats.h"
#include "recording_messenger.h"

namespace kortiv {
namespace {

TEST(ParseNumber, TakesCommaAndPointAlike) {
  test::RecordingMessenger messages;
  const ParsedNumber comma = ParseNumber("1,5", messages);
  const ParsedNumber point = ParseNumber("1.5", messages);
  EXPECT_TRUE(comma.ok);
  EXPECT_EQ(comma.value, 1.5f);
  EXPECT_EQ(point.value, comma.value);
  EXPECT_EQ(ParseNumber("-2,5E-3", messages).value, -2.5e-3f);
  EXPECT_TRUE(messages.entries.empty());
}

TEST(ParseNumber, ReportsTextThatIsNotANumberAndGivesZero) {
  test::RecordingMessenger messages;
  for (const char* text : {"abc", "", "1.5.2", "1e50", "0x10"}) {
    const ParsedNumber number = ParseNumber(text, messages);
    EXPECT_FALSE(number.ok) << text;
    EXPECT_EQ(number.value, 0.0f) << text;
  }
  ASSERT_EQ(messages.entries.size(), 5u);
  EXPECT_EQ(messages.entries[0].text, "Вы ввели ошибочное число!");
  EXPECT_EQ(messages.entries[0].caption, "Повторите ввод");
}

TEST(IntegerParameters, AreStoredAwayFromZeroAndReadBackByTruncation) {
  EXPECT_EQ(StoreInteger(-2), -2.1f);
  EXPECT_EQ(StoreInteger(4), 4.1f);
  for (int v : {-500, -2, -1, 0, 1, 3, 90, 100000, 1000000})
    EXPECT_EQ(ReadStoredInteger(StoreInteger(v)), v);
  EXPECT_EQ(ReadStoredInteger(1e30f), 2000000000);
}

TEST(TimeScaleStats, FirstValueSetsBothEndsThenEachWidensOneEnd) {
  TimeScaleStats stats;
  stats.NoteCharTime(0.5f);
  EXPECT_EQ(stats.MinCharTime, 0.5f);
  EXPECT_EQ(stats.MaxCharTime, 0.5f);
  stats.NoteCharTime(2.0f);
  stats.NoteCharTime(0.1f);
  stats.NoteCharTime(1.0f);
  EXPECT_EQ(stats.MinCharTime, 0.1f);
  EXPECT_EQ(stats.MaxCharTime, 2.0f);
  // A zero or negative minimum follows the maximum.
  stats.NoteDelay(0.0f);
  EXPECT_EQ(stats.MinDelay, 0.0f);
  stats.NoteDelay(3.0f);
  EXPECT_EQ(stats.MinDelay, 3.0f);
  stats.NoteDelay(-1.0f);
  EXPECT_EQ(stats.MinDelay, 3.0f);
  EXPECT_EQ(stats.MaxCharTime, 2.0f);
}

}  // namespace
}  // namespace kortiv
