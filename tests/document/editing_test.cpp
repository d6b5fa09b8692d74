// The edit commands on the field, in stored cells.

#include <gtest/gtest.h>

#include "document_fixture.h"

namespace kortiv::test {
namespace {

using EditingTest = DocumentTest;

TEST_F(EditingTest, PlacingOntoAnOccupiedCellIsRefusedOrAskedAbout) {
  const int step = doc.PlaceElement(101, {1, 1}, OnOccupied::kRefuse);
  ASSERT_EQ(step, 1);
  EXPECT_EQ(doc.scheme().GetOrientation(1), 0);
  EXPECT_TRUE(doc.scheme().ParamsMissing(1));
  EXPECT_EQ(doc.PlaceElement(200, {1, 1}, OnOccupied::kRefuse), 0);
  EXPECT_TRUE(messages.entries.empty());

  messages.answers = {false};
  EXPECT_EQ(doc.PlaceElement(200, {1, 1}, OnOccupied::kAskToReplace), 0);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Вставить вместо существующего элемента?"});
  EXPECT_EQ(messages.entries[0].caption, "Подтверждение");
  EXPECT_EQ(doc.scheme().GetCode(1), 101);

  messages.answers = {true};
  EXPECT_EQ(doc.PlaceElement(200, {1, 1}, OnOccupied::kAskToReplace), 1);
  EXPECT_EQ(doc.scheme().ElementCount(), 1);
  EXPECT_EQ(doc.scheme().GetCode(1), 200);
}

TEST_F(EditingTest, WithoutAskPasteAnOccupantIsReplacedWithoutAQuestion) {
  UserSettings settings;
  settings.AskPaste = false;
  doc.SetSettings(settings);
  doc.PlaceElement(101, {1, 1}, OnOccupied::kRefuse);
  EXPECT_EQ(doc.PlaceElement(200, {1, 1}, OnOccupied::kAskToReplace), 1);
  EXPECT_TRUE(messages.entries.empty());
}

TEST_F(EditingTest, ACodeBelowOneIsReportedAndPlacesNothing) {
  EXPECT_EQ(doc.PlaceElement(0, {1, 1}, OnOccupied::kRefuse), 0);
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"It's no good to draw element with code < 1!"});
  EXPECT_EQ(doc.scheme().ElementCount(), 0);
  EXPECT_EQ(doc.model_state(), ModelState::kNew);
}

TEST_F(EditingTest, MovingKeepsEverythingButThePositionAndIsRefusedOntoOccupiedCells) {
  doc.LoadExample(1);
  const ElementRecord before = doc.scheme().Record(6);  // at (1, 3)
  EXPECT_FALSE(doc.MoveElement({1, 3}, {1, 3}));        // its own cell
  EXPECT_FALSE(doc.MoveElement({1, 3}, {1, 4}));        // occupied
  EXPECT_FALSE(doc.MoveElement({9, 9}, {10, 10}));      // nothing to move
  EXPECT_EQ(doc.model_state(), ModelState::kExample);
  ASSERT_TRUE(doc.MoveElement({1, 3}, {-2, -7}));
  const ElementRecord after = doc.scheme().Record(6);
  EXPECT_EQ(after.CodeWord, before.CodeWord);
  EXPECT_EQ(after.AttrWord, before.AttrWord);
  EXPECT_EQ(doc.scheme().GetStoredPosition(6), (Cell{-2, -7}));
  EXPECT_EQ(doc.ElementAt({1, 3}), 0);
  EXPECT_EQ(doc.model_state(), ModelState::kNewChanged);
}

TEST_F(EditingTest, PastingOverAnElementBelowTheCopiedOneKeepsTheSourceNumbered) {
  doc.LoadExample(5);  // 7 elements
  doc.Copy({2, 2});    // element 7, a corner
  messages.answers = {true};
  const int pasted = doc.Paste(Cell{1, 1});  // over element 1
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Вставить вместо существующего элемента?"});
  EXPECT_EQ(pasted, 7);  // 6 left, the copy is the 7th
  EXPECT_EQ(doc.clipboard().ClipSource, 6);
  EXPECT_EQ(doc.scheme().GetCode(7), 2);
  EXPECT_EQ(doc.example_shown(), 0);
  // Pasting onto the source itself does nothing.
  EXPECT_EQ(doc.Paste(Cell{2, 2}), 0);
  EXPECT_EQ(doc.scheme().ElementCount(), 7);
}

TEST_F(EditingTest, CutAndPasteMovesThenASecondPasteCopies) {
  doc.PlaceElement(101, {1, 1}, OnOccupied::kRefuse);
  doc.ToggleControlPoint({1, 1});
  doc.Cut({1, 1});
  EXPECT_EQ(doc.PendingCutElement(), 1);
  EXPECT_EQ(doc.Paste(Cell{3, 3}), 1);
  EXPECT_EQ(doc.PendingCutElement(), 0);
  EXPECT_EQ(doc.ElementAt({1, 1}), 0);
  EXPECT_EQ(doc.ElementAt({3, 3}), 1);
  EXPECT_EQ(doc.Paste(Cell{4, 4}), 2);
  EXPECT_EQ(doc.scheme().GetControlPoint(2), 2);
  // Without a target nothing happens.
  EXPECT_EQ(doc.Paste(std::nullopt), 0);
}

TEST_F(EditingTest, CutThenCopyOfAnotherTurnsTheCutIntoACopy) {
  doc.PlaceElement(101, {1, 1}, OnOccupied::kRefuse);
  doc.PlaceElement(200, {1, 2}, OnOccupied::kRefuse);
  doc.Cut({1, 1});
  doc.Copy({1, 2});
  EXPECT_EQ(doc.PendingCutElement(), 0);
  EXPECT_EQ(doc.ElementAt({1, 1}), 1);
}

TEST_F(EditingTest, CommandsThatCancelAPendingCut) {
  doc.PlaceElement(101, {1, 1}, OnOccupied::kRefuse);
  const std::vector<std::function<void()>> commands = {
      [&] { doc.Check(); },
      [&] { doc.ToggleControlPoint({1, 1}); },
      [&] { doc.DoubleClick({1, 1}); },
      [&] { doc.NameModel(); },
      [&] { doc.CancelPendingCut(); },
  };
  for (const auto& command : commands) {
    doc.Cut({1, 1});
    ASSERT_EQ(doc.PendingCutElement(), 1);
    command();
    EXPECT_EQ(doc.PendingCutElement(), 0);
    EXPECT_EQ(doc.clipboard().ClipState, kClipCopy);
  }
}

TEST_F(EditingTest, DeletingAsksWhenTheSettingsSayAndRenumbers) {
  doc.LoadExample(5);
  messages.answers = {false};
  EXPECT_FALSE(doc.Delete({1, 2}));
  EXPECT_EQ(doc.scheme().ElementCount(), 7);
  EXPECT_EQ(doc.example_shown(), 5);

  messages.answers = {true};
  ASSERT_TRUE(doc.Delete({1, 2}));  // element 2, control point 2 of 3
  EXPECT_EQ(doc.scheme().ElementCount(), 6);
  EXPECT_EQ(doc.scheme().GetControlPoint(2), 2);  // former element 3, point 3
  EXPECT_EQ(doc.scheme().ControlPointCount(), 2);
  EXPECT_EQ(doc.example_shown(), 0);
  EXPECT_FALSE(doc.Delete({1, 2}));  // now empty
}

TEST_F(EditingTest, RotationsTurnByQuarterSteps) {
  doc.PlaceElement(200, {1, 1}, OnOccupied::kRefuse);
  doc.Rotate({1, 1}, Rotation::kClockwise);
  EXPECT_EQ(doc.scheme().GetOrientation(1), 1);
  doc.Rotate({1, 1}, Rotation::kHalfTurn);
  EXPECT_EQ(doc.scheme().GetOrientation(1), 3);
  doc.Rotate({1, 1}, Rotation::kCounterClockwise);
  EXPECT_EQ(doc.scheme().GetOrientation(1), 2);
  EXPECT_FALSE(doc.Rotate({5, 5}, Rotation::kClockwise));
}

TEST_F(EditingTest, DoubleClicksToggleControlPointsOnlyFromSummatorsOn) {
  doc.PlaceElement(1, {1, 1}, OnOccupied::kRefuse);
  doc.PlaceElement(5, {1, 2}, OnOccupied::kRefuse);
  doc.PlaceElement(9, {1, 3}, OnOccupied::kRefuse);
  EXPECT_FALSE(doc.DoubleClick({1, 1}));
  EXPECT_FALSE(doc.DoubleClick({1, 2}));
  EXPECT_EQ(doc.scheme().ControlPointCount(), 0);
  EXPECT_TRUE(doc.DoubleClick({1, 3}));
  EXPECT_EQ(doc.scheme().GetControlPoint(3), 1);
  EXPECT_TRUE(doc.DoubleClick({1, 3}));
  EXPECT_EQ(doc.scheme().ControlPointCount(), 0);
}

TEST_F(EditingTest, AThirteenthControlPointIsIgnoredSilently) {
  for (int column = 1; column <= 13; ++column) {
    doc.PlaceElement(101, {1, column}, OnOccupied::kRefuse);
    doc.ToggleControlPoint({1, column});
  }
  EXPECT_EQ(doc.scheme().ControlPointCount(), 12);
  EXPECT_EQ(doc.scheme().GetControlPoint(13), 0);
  EXPECT_TRUE(messages.entries.empty());
}

TEST_F(EditingTest, EditsAreRefusedWhileTheFunctionReportsNoChange) {
  doc.LoadExample(1);
  EXPECT_FALSE(doc.ApplyEdit([](Scheme&) { return true; }));
  EXPECT_EQ(doc.model_state(), ModelState::kExample);
  EXPECT_FALSE(doc.CanUndo());
  EXPECT_TRUE(doc.ApplyEdit([](Scheme& scheme) {
    scheme.SetParam(scheme.GetParamAddress(1), 2.0f);
    return true;
  }));
  EXPECT_EQ(doc.model_state(), ModelState::kNewChanged);
  EXPECT_TRUE(doc.CanUndo());
}

TEST_F(EditingTest, ParametersEnteredThroughTheDialogAreOneUndoStep) {
  doc.PlaceElement(200, {1, 1}, OnOccupied::kRefuse);
  std::optional<ParameterEntry> entry = ParameterEntry::Open(doc.ParameterContextFor(), 1);
  ASSERT_TRUE(entry);
  entry->SetText(ControlId::kTxtPar1, "2.5");
  bool closed = false;
  ASSERT_TRUE(doc.ApplyEdit([&](Scheme&) {
    closed = entry->Accept().close;
    return closed;
  }));
  ASSERT_TRUE(closed);
  EXPECT_FLOAT_EQ(doc.scheme().ElementParam(1, 0), 2.5f);
  EXPECT_FALSE(doc.scheme().ParamsMissing(1));
  ASSERT_TRUE(doc.Undo());
  EXPECT_TRUE(doc.scheme().ParamsMissing(1));
}

}  // namespace
}  // namespace kortiv::test
