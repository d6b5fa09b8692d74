#include "model/edit_operations.h"

#include <gtest/gtest.h>

#include <utility>

#include "model/builtin_examples.h"
#include "model/clipboard.h"
#include "model/scheme.h"
#include "model/user_settings.h"
#include "recording_messenger.h"
#include "scheme_builder.h"

namespace kortiv {
namespace {

class EditOperationsTest : public ::testing::Test {
 protected:
  int AddWithValues(int code, std::vector<float> values, Cell cell) {
    return test::AddWithValues(scheme, code, std::move(values), cell);
  }

  test::RecordingMessenger messages;
  Scheme scheme{messages};
};

TEST_F(EditOperationsTest, DeletingRenumbersElementsAndKeepsTheirValuesReachable) {
  const int first = AddWithValues(200, {1.5f}, {1, 1});
  const int lag = scheme.AppendElement(204, 0, {1, 2});
  const int wire = scheme.AppendElement(1, 0, {1, 3});
  const int integrator = AddWithValues(201, {4.0f, 5.0f}, {1, 4});
  AddWithValues(204, {}, {9, 9});  // element 5 without values of interest
  scheme.AllocateParamBlock(lag);  // the lag's block lies above the integrator's
  scheme.SetParam(scheme.GetParamAddress(lag) + 2, 7.0f);
  const int top = scheme.ParamTop();

  EXPECT_TRUE(DeleteElement(scheme, lag).renumbered.empty());
  EXPECT_EQ(scheme.ElementCount(), 4);
  EXPECT_EQ(scheme.ParamTop(), top - 3);
  EXPECT_EQ(scheme.ParamBlockCount(), 3);
  EXPECT_EQ(scheme.Record(5), ElementRecord{});
  EXPECT_EQ(scheme.GetCode(wire - 1), 1);
  EXPECT_EQ(scheme.GetCode(integrator - 1), 201);
  EXPECT_FLOAT_EQ(scheme.ElementParam(integrator - 1, 1), 5.0f);
  EXPECT_FLOAT_EQ(scheme.ElementParam(first, 0), 1.5f);

  // Deleting the lowest block moves every later block down.
  DeleteElement(scheme, first);
  EXPECT_EQ(scheme.GetParamAddress(2), 3);
  EXPECT_FLOAT_EQ(scheme.ElementParam(2, 0), 4.0f);
  EXPECT_EQ(scheme.ParamTop(), 3 + 2 + 3);
  EXPECT_TRUE(messages.entries.empty());
}

TEST_F(EditOperationsTest, DeletingAnElementWithAControlPointRenumbersTheHigherOnes) {
  for (int column = 1; column <= 4; ++column) scheme.AppendElement(1, 0, {1, column});
  SetNewControlPoint(scheme, 4);  // 1
  SetNewControlPoint(scheme, 2);  // 2
  SetNewControlPoint(scheme, 3);  // 3
  const ControlPointRemoval removal = DeleteElement(scheme, 2);
  EXPECT_EQ(removal.removed, 2);
  EXPECT_EQ(removal.renumbered, std::vector<int>{2});  // old element 3
  EXPECT_EQ(scheme.ControlPointCount(), 2);
  EXPECT_EQ(scheme.GetControlPoint(2), 2);
  EXPECT_EQ(scheme.GetControlPoint(3), 1);
}

TEST_F(EditOperationsTest, ControlPointsAreNumberedWithoutGapsUpToTwelve) {
  for (int column = 1; column <= 14; ++column) scheme.AppendElement(100, 0, {1, column});
  for (int n = 1; n <= 12; ++n) EXPECT_EQ(SetNewControlPoint(scheme, n), n);
  EXPECT_EQ(SetNewControlPoint(scheme, 13), 0);
  EXPECT_EQ(scheme.GetControlPoint(13), 0);
  EXPECT_EQ(scheme.ControlPointCount(), 12);

  const ControlPointRemoval removal = RemoveControlPoint(scheme, 10);
  EXPECT_EQ(removal.removed, 10);
  EXPECT_EQ(removal.renumbered, (std::vector<int>{11, 12}));
  EXPECT_EQ(scheme.GetControlPoint(12), 11);
  EXPECT_EQ(SetNewControlPoint(scheme, 12), 0);  // already has one
  EXPECT_EQ(SetNewControlPoint(scheme, 14), 12);

  // An element without a control point changes nothing.
  EXPECT_EQ(RemoveControlPoint(scheme, 10).removed, 0);
  EXPECT_EQ(scheme.ControlPointCount(), 12);
  EXPECT_EQ(scheme.GetControlPoint(11), 10);
  EXPECT_TRUE(messages.entries.empty());
}

TEST_F(EditOperationsTest, RotationsTurnByQuarterStepsAndKeepTheOtherFields) {
  LoadBuiltinExample(scheme, 1);
  const int sine = 1;  // orientation 0, control point 1, block at 3
  EXPECT_EQ(Rotate(scheme, sine, Rotation::kCounterClockwise), 3);
  EXPECT_EQ(Rotate(scheme, sine, Rotation::kClockwise), 0);
  EXPECT_EQ(Rotate(scheme, sine, Rotation::kClockwise), 1);
  EXPECT_EQ(Rotate(scheme, sine, Rotation::kHalfTurn), 3);
  EXPECT_EQ(Rotate(scheme, sine, Rotation::kHalfTurn), 1);
  EXPECT_EQ(scheme.GetControlPoint(sine), 1);
  EXPECT_EQ(scheme.GetParamAddress(sine), 3);
}

TEST_F(EditOperationsTest, PasteMakesANewElementWithTheCarriedValues) {
  scheme.SetShift(2, -3);
  LoadBuiltinExample(scheme, 5);
  const int top = scheme.ParamTop();
  const PastedElement pasted = PasteNewElement(scheme, "201702011030,5", 10, 10, ',');
  EXPECT_EQ(pasted.element, 8);
  EXPECT_EQ(pasted.control_point, 4);
  EXPECT_EQ(scheme.ElementCount(), 8);
  EXPECT_EQ(scheme.GetCode(8), 201);
  EXPECT_EQ(scheme.GetOrientation(8), 2);
  EXPECT_EQ(scheme.GetControlPoint(8), 4);
  EXPECT_EQ(scheme.ControlPointCount(), 4);
  EXPECT_EQ(scheme.GetParamCount(8), 2);
  EXPECT_EQ(scheme.GetParamAddress(8), top);
  EXPECT_EQ(scheme.ParamTop(), top + 2);
  EXPECT_EQ(scheme.ParamBlockCount(), 3);
  EXPECT_FLOAT_EQ(scheme.ElementParam(8, 1), 0.5f);
  EXPECT_EQ(scheme.GetStoredPosition(8), (Cell{8, 13}));
  EXPECT_EQ(scheme.GetCellPosition(8), (Cell{10, 10}));
  EXPECT_TRUE(messages.entries.empty());
}

TEST_F(EditOperationsTest, PasteWithoutValuesTakesTheCatalogueCount) {
  PastedElement pasted = PasteNewElement(scheme, "2040-1", 1, 1, '.');
  EXPECT_EQ(scheme.GetParamCount(pasted.element), 3);
  EXPECT_EQ(scheme.GetParamAddress(pasted.element), 0);
  EXPECT_TRUE(scheme.ParamsMissing(pasted.element));
  pasted = PasteNewElement(scheme, "009300", 1, 2, '.');
  EXPECT_EQ(scheme.GetCode(pasted.element), 9);
  EXPECT_EQ(scheme.GetOrientation(pasted.element), 3);
  EXPECT_EQ(scheme.GetParamCount(pasted.element), 0);
  EXPECT_EQ(scheme.ParamTop(), 3);
  EXPECT_EQ(scheme.ParamBlockCount(), 0);
  EXPECT_EQ(PasteNewElement(scheme, "000000", 1, 3, '.').element, 0);
  EXPECT_EQ(scheme.ElementCount(), 2);
}

TEST_F(EditOperationsTest, APastedGeneralElementKeepsTheCarriedCount) {
  const int general = AddWithValues(212, {}, {1, 1});
  scheme.ResizeParamBlock(general, 9);
  for (int i = 0; i < 9; ++i) scheme.SetParam(scheme.GetParamAddress(general) + i, i + 0.25f);
  const std::string text = EncodeClip(scheme, general, '.');
  const int copy = PasteNewElement(scheme, text, 2, 1, '.').element;
  EXPECT_EQ(scheme.GetParamCount(copy), 9);
  for (int i = 0; i < 9; ++i) EXPECT_FLOAT_EQ(scheme.ElementParam(copy, i), i + 0.25f);
  EXPECT_EQ(scheme.ParamTop(), 3 + 18);
}

TEST_F(EditOperationsTest, APastedControlPointIsDroppedWhenAllTwelveAreInUse) {
  for (int column = 1; column <= 12; ++column) {
    SetNewControlPoint(scheme, scheme.AppendElement(1, 0, {1, column}));
  }
  const PastedElement pasted = PasteNewElement(scheme, "001500", 2, 1, '.');
  EXPECT_EQ(pasted.control_point, 0);
  EXPECT_EQ(scheme.GetControlPoint(pasted.element), 0);
  EXPECT_EQ(scheme.ControlPointCount(), 12);
}

TEST_F(EditOperationsTest, CutAndPasteMovesThenASecondPasteCopies) {
  LoadBuiltinExample(scheme, 5);
  Clipboard clip;
  CutElement(clip, scheme, 3, '.');
  EXPECT_EQ(PasteCutElement(clip, scheme, 4, 6), 3);
  EXPECT_EQ(clip.ClipState, kClipCopy);
  EXPECT_EQ(scheme.ElementCount(), 7);
  EXPECT_EQ(scheme.GetStoredPosition(3), (Cell{4, 6}));
  EXPECT_EQ(scheme.GetControlPoint(3), 3);

  const PastedElement copy = PasteNewElement(scheme, clip.ClipText, 4, 7, '.');
  EXPECT_EQ(copy.element, 8);
  EXPECT_EQ(copy.control_point, 4);
  EXPECT_EQ(scheme.GetCode(8), 201);
  EXPECT_FLOAT_EQ(scheme.ElementParam(8, 0), 1.0f);
}

TEST_F(EditOperationsTest, QuestionsFollowTheSettings) {
  UserSettings settings;
  messages.answers = {false, true, true};
  EXPECT_FALSE(ConfirmPasteOver(settings, messages));
  EXPECT_TRUE(ConfirmDeleteElement(settings, messages));
  EXPECT_TRUE(ConfirmDeleteAll(messages));
  settings.AskPaste = false;
  settings.AskDelete = false;
  EXPECT_TRUE(ConfirmPasteOver(settings, messages));
  EXPECT_TRUE(ConfirmDeleteElement(settings, messages));
  EXPECT_FALSE(ConfirmDeleteAll(messages));  // asked even so; no answer left means No
  ASSERT_EQ(messages.entries.size(), 4u);
  EXPECT_EQ(messages.entries[0].text, "Вставить вместо существующего элемента?");
  EXPECT_EQ(messages.entries[1].text, "Удалить выделенный элемент?");
  EXPECT_EQ(messages.entries[2].text, "Удалить схему полностью?");
  EXPECT_EQ(messages.entries[3].text, "Удалить схему полностью?");
  for (const auto& entry : messages.entries) {
    EXPECT_TRUE(entry.question);
    EXPECT_EQ(entry.caption, "Подтверждение");
  }
}

}  // namespace
}  // namespace kortiv
