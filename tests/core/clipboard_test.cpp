#include "model/clipboard.h"

#include <gtest/gtest.h>

#include <utility>

#include "model/scheme.h"
#include "recording_messenger.h"
#include "scheme_builder.h"

namespace kortiv {
namespace {

class ClipboardTest : public ::testing::Test {
 protected:
  int AddWithValues(int code, std::vector<float> values, Cell cell) {
    return test::AddWithValues(scheme, code, std::move(values), cell);
  }

  test::RecordingMessenger messages;
  Scheme scheme{messages};
};

TEST_F(ClipboardTest, EncodesCodeOrientationControlPointAndValues) {
  const int step = AddWithValues(101, {1.0f, 0.5f}, {1, 1});
  scheme.SetOrientation(step, 2);
  scheme.SetControlPoint(step, 3);
  EXPECT_EQ(EncodeClip(scheme, step, '.'), "101702011030.5");
  EXPECT_EQ(EncodeClip(scheme, step, ','), "101702011030,5");

  const int wire = scheme.AppendElement(1, 0, {1, 2});
  EXPECT_EQ(EncodeClip(scheme, wire, '.'), "001000");
  const int unset = scheme.AppendElement(200, 3, {1, 3});
  EXPECT_EQ(EncodeClip(scheme, unset, '.'), "2003-1");
  EXPECT_TRUE(messages.entries.empty());
}

TEST_F(ClipboardTest, ValuesUseSevenDigitsAndFourExponentDigits) {
  const int n = AddWithValues(204, {-1.25e-7f, 123456789.0f, 0.1f}, {1, 1});
  EXPECT_EQ(EncodeClip(scheme, n, '.'),
            "2040"
            "03"
            "11-1.25E-0007"
            "131.234568E0008"
            "030.1");
  const std::vector<float> values = DecodeClipValues(EncodeClip(scheme, n, ','), 3, ',');
  ASSERT_EQ(values.size(), 3u);
  EXPECT_FLOAT_EQ(values[0], -1.25e-7f);
  EXPECT_FLOAT_EQ(values[1], 123456800.0f);
  EXPECT_FLOAT_EQ(values[2], 0.1f);
}

TEST_F(ClipboardTest, AnElementWithAHundredParametersGoesWithoutItsValues) {
  const int n = AddWithValues(212, std::vector<float>(100, 1.0f), {1, 1});
  EXPECT_EQ(EncodeClip(scheme, n, '.'), "2120-1");
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kTooManyParamsMessage)});
  EXPECT_EQ(kTooManyParamsMessage,
            "У элемента слишком много параметров! Он не может поместиться в буфер обмена");
}

TEST(ClipHeadDecoding, OrientationDigitCarriesTheControlPoint) {
  ClipHead head = DecodeClipHead("101802011030.5");
  EXPECT_EQ(head.code, 101);
  EXPECT_EQ(head.orientation, 3);
  EXPECT_TRUE(head.has_control_point);
  EXPECT_EQ(head.count, 2);

  head = DecodeClipHead("2002-1");
  EXPECT_EQ(head.orientation, 2);
  EXPECT_FALSE(head.has_control_point);
  EXPECT_EQ(head.count, -1);

  for (const char* text : {"2004-1", "2009-1", "2004"}) {
    SCOPED_TRACE(text);
    head = DecodeClipHead(text);
    EXPECT_EQ(head.code, 200);
    EXPECT_EQ(head.orientation, 0);
    EXPECT_FALSE(head.has_control_point);
    EXPECT_EQ(head.count, 0);
  }
}

TEST(ClipHeadDecoding, TextsWithoutAnElementGiveCodeZero) {
  for (const char* text : {"000000", "", "12", "x01000", "-01000"}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(DecodeClipHead(text).code, 0);
  }
}

TEST(ClipValueDecoding, OnlyAMatchingCountIsDecoded) {
  EXPECT_TRUE(DecodeClipValues("101002011030.5", 3, '.').empty());
  EXPECT_TRUE(DecodeClipValues("1010-1", -1, '.').empty());
  EXPECT_TRUE(DecodeClipValues("101000", 0, '.').empty());
  EXPECT_EQ(DecodeClipValues("101002011030.5", 2, '.'), (std::vector<float>{1.0f, 0.5f}));
}

TEST(ClipValueDecoding, DamagedTextsNeverReadPastTheirEnd) {
  EXPECT_EQ(DecodeClipValues("10100201103x.5", 2, '.'), (std::vector<float>{1.0f, 0.0f}));
  EXPECT_EQ(DecodeClipValues("101002011030.", 2, '.'), (std::vector<float>{1.0f}));
  EXPECT_EQ(DecodeClipValues("1010020110", 2, '.'), (std::vector<float>{1.0f}));
  EXPECT_EQ(DecodeClipValues("101002990.5", 2, '.'), (std::vector<float>{}));
  EXPECT_EQ(DecodeClipValues("10100201a03xyz", 2, '.'), (std::vector<float>{0.0f, 0.0f}));
}

TEST_F(ClipboardTest, ACutBecomesACopyWhenAnotherElementIsTaken) {
  Clipboard clip;
  EXPECT_EQ(clip.ClipText, "000000");
  const int wire = scheme.AppendElement(1, 0, {1, 1});
  const int turn = scheme.AppendElement(2, 1, {1, 2});

  EXPECT_EQ(CutElement(clip, scheme, wire, '.'), 0);
  EXPECT_EQ(clip.ClipState, kClipPendingCut);
  EXPECT_EQ(clip.ClipSource, wire);

  EXPECT_EQ(CopyElement(clip, scheme, turn, '.'), wire);  // its hatch goes
  EXPECT_EQ(clip.ClipState, kClipCopy);
  EXPECT_EQ(clip.ClipSource, turn);
  EXPECT_EQ(clip.ClipText, "002100");
  EXPECT_EQ(scheme.ElementCount(), 2);

  EXPECT_EQ(CancelPendingCut(clip), 0);
  EXPECT_EQ(CutElement(clip, scheme, wire, '.'), 0);
  EXPECT_EQ(CancelPendingCut(clip), wire);
  EXPECT_EQ(clip.ClipState, kClipCopy);
  EXPECT_EQ(clip.ClipText, "001000");
}

TEST(ClipSourceTracking, FollowsTheSourceThroughDeletions) {
  Clipboard clip{"001000", kClipPendingCut, 5};
  NoteElementDeleted(clip, 7);
  EXPECT_EQ(clip.ClipSource, 5);
  NoteElementDeleted(clip, 2);
  EXPECT_EQ(clip.ClipSource, 4);
  EXPECT_EQ(clip.ClipState, kClipPendingCut);
  NoteElementDeleted(clip, 4);
  EXPECT_EQ(clip.ClipSource, 0);
  EXPECT_EQ(clip.ClipState, kClipCopy);
  EXPECT_EQ(clip.ClipText, "001000");
}

}  // namespace
}  // namespace kortiv
