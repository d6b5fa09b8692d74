// Which command groups the document enables after each command, and the
// caption of the control point item.

#include <gtest/gtest.h>

#include "document_fixture.h"

namespace kortiv::test {
namespace {

class CommandStateTest : public DocumentTest {
 protected:
  // The groups as a row of the enabling table, in its order: selection,
  // control point, save, whole scheme, paste, element parameters, check,
  // run, results, undo, redo.
  std::string Row(const Selection& selection = {}) const {
    const CommandState s = doc.Commands(selection);
    std::string row;
    for (bool on : {s.selection, s.control_point, s.save, s.whole_scheme, s.paste, s.element_params,
                    s.check, s.run, s.results, s.undo, s.redo}) {
      row += on ? '1' : '0';
    }
    return row;
  }
  std::string Caption(const Selection& selection) const {
    return doc.Commands(selection).control_point_caption;
  }
};

TEST_F(CommandStateTest, AtStartOnlyNothingIsEnabled) {
  EXPECT_EQ(Row(), "00000000000");
  EXPECT_EQ(Row(Cell{1, 1}), "00000000000");
  EXPECT_EQ(Caption(Cell{1, 1}), "Контрольная точка");
  EXPECT_TRUE(doc.Commands({}).scheme_edits);
  EXPECT_FALSE(doc.Commands({}).busy);
}

TEST_F(CommandStateTest, ClickingACellEnablesTheWholeSchemeGroupOnce) {
  doc.NoteCellSelected();
  EXPECT_EQ(Row(Cell{1, 1}), "00010000000");
}

TEST_F(CommandStateTest, PlacingAnElementWithoutParameters) {
  doc.PlaceElement(200, {2, 2}, OnOccupied::kRefuse);
  //                      sel cp save whole paste par check run res undo redo
  EXPECT_EQ(Row(Cell{2, 2}),
            "1"
            "1"
            "1"
            "1"
            "0"
            "1"
            "1"
            "0"
            "0"
            "1"
            "0");
  EXPECT_EQ(Caption(Cell{2, 2}), "Установить контрольную точку");
  // An empty cell selected: no selection group, no parameters.
  EXPECT_EQ(Row(Cell{3, 3}), "00110010010");
}

TEST_F(CommandStateTest, WiresAndForksHaveNoControlPointItem) {
  doc.PlaceElement(1, {1, 1}, OnOccupied::kRefuse);
  doc.PlaceElement(8, {1, 2}, OnOccupied::kRefuse);
  doc.PlaceElement(9, {1, 3}, OnOccupied::kRefuse);
  for (Cell cell : {Cell{1, 1}, Cell{1, 2}}) {
    EXPECT_FALSE(doc.Commands(cell).control_point);
    EXPECT_EQ(Caption(cell), "Контрольная точка");
    EXPECT_FALSE(doc.Commands(cell).element_params);
    EXPECT_TRUE(doc.Commands(cell).selection);
  }
  EXPECT_TRUE(doc.Commands(Cell{1, 3}).control_point);
  EXPECT_FALSE(doc.Commands(Cell{1, 3}).element_params);  // a summator has no parameters
}

TEST_F(CommandStateTest, AControlPointEnablesRunAndChangesTheCaption) {
  doc.PlaceElement(101, {1, 1}, OnOccupied::kRefuse);
  ASSERT_TRUE(doc.ToggleControlPoint({1, 1}));
  EXPECT_EQ(Caption(Cell{1, 1}), "Удалить контрольную точку");
  EXPECT_TRUE(doc.Commands({}).run);
  ASSERT_TRUE(doc.ToggleControlPoint({1, 1}));
  EXPECT_EQ(Caption(Cell{1, 1}), "Установить контрольную точку");
  EXPECT_FALSE(doc.Commands({}).run);
}

TEST_F(CommandStateTest, CopyAndCutEnablePasteAndClearingKeepsItAsACopy) {
  doc.PlaceElement(101, {1, 1}, OnOccupied::kRefuse);
  doc.Cut({1, 1});
  EXPECT_TRUE(doc.Commands({}).paste);
  EXPECT_EQ(doc.PendingCutElement(), 1);
  messages.answers = {false};  // New: do not save
  ASSERT_TRUE(doc.New());
  EXPECT_EQ(doc.PendingCutElement(), 0);
  EXPECT_TRUE(doc.Commands({}).paste);
  ASSERT_GT(doc.Paste(Cell{4, 4}), 0);
  EXPECT_EQ(doc.scheme().GetCode(1), 101);
}

TEST_F(CommandStateTest, AfterNewDeleteAllStaysAsItWasAndCheckRunSelectionGo) {
  doc.LoadExample(1);
  EXPECT_EQ(Row(Cell{2, 1}), "11010111000");
  ASSERT_TRUE(doc.New());
  EXPECT_EQ(Row(Cell{2, 1}), "00010000000");
}

TEST_F(CommandStateTest, DeleteAllDisablesTheWholeSchemeGroup) {
  doc.LoadExample(1);
  messages.answers = {true};
  ASSERT_TRUE(doc.DeleteAll());
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Удалить схему полностью?"});
  EXPECT_EQ(doc.scheme().ElementCount(), 0);
  // The deleted scheme is unsaved work and can be undone.
  EXPECT_EQ(Row(Cell{2, 1}), "00100000010");
  messages.answers = {false};
  EXPECT_FALSE(doc.DeleteAll());
}

TEST_F(CommandStateTest, ADeletedElementLeavesNoSelectionGroupAndAnEmptySchemeNoCheck) {
  doc.PlaceElement(101, {1, 1}, OnOccupied::kRefuse);
  messages.answers = {true};
  ASSERT_TRUE(doc.Delete({1, 1}));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Удалить выделенный элемент?"});
  EXPECT_EQ(Row(Cell{1, 1}), "00110000010");
}

TEST_F(CommandStateTest, ARunEnablesResultsAndAnEditDisablesThem) {
  doc.LoadExample(5);
  ASSERT_EQ(doc.Run(Document::RunMode::kWait), RunOutcome::kFinished);
  EXPECT_TRUE(doc.Commands({}).results);
  EXPECT_EQ(doc.StatusTexts()[0], "Расчёт схемы завершён.");
  EXPECT_TRUE(doc.StatusTexts()[1].starts_with("Продолжительность расчёта: "));
  doc.Rotate({1, 3}, Rotation::kCounterClockwise);
  EXPECT_FALSE(doc.Commands({}).results);
  EXPECT_FALSE(doc.ResultsValid());
  EXPECT_FALSE(doc.SchemeChecked());
  EXPECT_EQ(doc.StatusTexts(), (std::array<std::string, 3>{}));
}

TEST_F(CommandStateTest, SaveIsEnabledByChangesAndDisabledBySaving) {
  OpenedExample(6);
  EXPECT_FALSE(doc.Commands({}).save);
  doc.ToggleControlPoint({2, 6});
  EXPECT_TRUE(doc.Commands({}).save);
  ASSERT_TRUE(doc.Save());
  EXPECT_FALSE(doc.Commands({}).save);
}

TEST_F(CommandStateTest, ChangedSettingsDiscardTheResults) {
  doc.LoadExample(5);
  ASSERT_EQ(doc.Run(Document::RunMode::kWait), RunOutcome::kFinished);
  UserSettings settings = doc.settings();
  settings.OdeMethod = 2;
  doc.SetSettings(settings);
  EXPECT_FALSE(doc.Commands({}).results);
  EXPECT_EQ(doc.Run(Document::RunMode::kWait), RunOutcome::kFinished);
}

TEST_F(CommandStateTest, SettingsThatResultsDoNotDependOnKeepThem) {
  doc.LoadExample(5);
  ASSERT_EQ(doc.Run(Document::RunMode::kWait), RunOutcome::kFinished);
  const int serial = doc.ResultsSerial();
  UserSettings settings = doc.settings();
  settings.GridEnable = false;
  settings.AskDelete = false;
  settings.Styles[1][0] = 9;
  doc.SetSettings(settings);
  EXPECT_TRUE(doc.Commands({}).results);
  EXPECT_EQ(doc.settings().Styles[1][0], 9);
  // Run shows the results it has; no new plot is due.
  EXPECT_EQ(doc.Run(Document::RunMode::kWait), RunOutcome::kShowExisting);
  EXPECT_EQ(doc.ResultsSerial(), serial);
  // Each unit the results are shown in discards them.
  for (bool UserSettings::*unit : {&UserSettings::PhaseInDegrees, &UserSettings::FreqInHertz,
                                   &UserSettings::ExcludeTwoPiJumps}) {
    ASSERT_EQ(doc.Run(Document::RunMode::kWait),
              doc.Commands({}).results ? RunOutcome::kShowExisting : RunOutcome::kFinished);
    settings = doc.settings();
    settings.*unit = !(settings.*unit);
    doc.SetSettings(settings);
    EXPECT_FALSE(doc.Commands({}).results);
  }
  EXPECT_EQ(doc.Run(Document::RunMode::kWait), RunOutcome::kFinished);
  EXPECT_NE(doc.ResultsSerial(), serial);
}

}  // namespace
}  // namespace kortiv::test
