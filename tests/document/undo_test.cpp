// Undo and redo: every kind of edit is one step that restores the scheme
// exactly, model file bytes included.

#include <gtest/gtest.h>

#include <random>

#include "document_fixture.h"
#include "model/catalogue.h"

namespace kortiv::test {
namespace {

// Everything an undo step must bring back: the file image and the table as
// it stands (the image alone does not show where the scheme lies).
struct ExactModel {
  std::string image;
  std::vector<ElementRecord> records;
  std::vector<float> params;
  std::string name;
  int control_points = 0;

  bool operator==(const ExactModel&) const = default;
};

class UndoTest : public DocumentTest {
 protected:
  UndoTest() {
    UserSettings settings;
    settings.AskDelete = false;
    settings.AskPaste = false;
    doc.SetSettings(settings);
  }

  ExactModel Current() const {
    const Scheme& s = doc.scheme();
    ExactModel state{Image(), {}, {}, doc.model_name(), s.ControlPointCount()};
    for (int n = 1; n <= s.ElementCount(); ++n) state.records.push_back(s.Record(n));
    for (int i = 0; i < s.ParamTop(); ++i) state.params.push_back(s.Param(i));
    return state;
  }

  // Runs one edit; undo must give back the state before it, redo the state
  // after it, both marking the model changed with the results gone.
  void ExpectUndoAndRedo(const std::function<void()>& edit) {
    const ExactModel before = Current();
    edit();
    const ExactModel after = Current();
    ASSERT_NE(before, after) << "the edit changed nothing";
    ASSERT_TRUE(doc.CanUndo());
    ASSERT_TRUE(doc.Undo());
    EXPECT_EQ(Current(), before);
    EXPECT_FALSE(doc.SchemeChecked());
    EXPECT_FALSE(doc.HasResults());
    EXPECT_EQ(doc.model_state(), ModelState::kNewChanged);
    ASSERT_TRUE(doc.Redo());
    EXPECT_EQ(Current(), after);
    EXPECT_FALSE(doc.CanRedo());
  }
};

TEST_F(UndoTest, EveryKindOfEditIsUndoneAndRedoneExactly) {
  doc.LoadExample(1);
  ASSERT_EQ(doc.Run(Document::RunMode::kWait), RunOutcome::kFinished);
  ExpectUndoAndRedo([&] { doc.PlaceElement(204, {7, 7}, OnOccupied::kRefuse); });
  ExpectUndoAndRedo([&] { doc.MoveElement({1, 3}, {-3, 2}); });
  ExpectUndoAndRedo([&] {
    doc.Copy({2, 1});
    doc.Paste(Cell{9, 9});
  });
  ExpectUndoAndRedo([&] {
    doc.Cut({6, 4});
    doc.Paste(Cell{10, 1});
  });
  ExpectUndoAndRedo([&] { doc.Delete({5, 3}); });
  ExpectUndoAndRedo([&] { doc.Rotate({2, 3}, Rotation::kClockwise); });
  ExpectUndoAndRedo([&] { doc.Rotate({2, 3}, Rotation::kCounterClockwise); });
  ExpectUndoAndRedo([&] { doc.Rotate({2, 3}, Rotation::kHalfTurn); });
  ExpectUndoAndRedo([&] { doc.ToggleControlPoint({2, 1}); });  // removes point 1
  ExpectUndoAndRedo([&] { doc.ToggleControlPoint({3, 2}); });  // sets point 5
  ExpectUndoAndRedo([&] { doc.PlaceElement(300, {2, 1}, OnOccupied::kAskToReplace); });
  ExpectUndoAndRedo([&] {
    text_input.answers = {std::string("Другая модель")};
    doc.NameModel();
  });
  ExpectUndoAndRedo([&] {
    doc.ApplyEdit([](Scheme& scheme) {
      scheme.SetParam(2, 7.5f);
      return true;
    });
  });
  ExpectUndoAndRedo([&] {
    messages.answers = {true};
    doc.DeleteAll();
  });
}

TEST_F(UndoTest, AControlPointTakenOffAHangingElementByTheAnalysisComesBack) {
  doc.PlaceElement(101, {1, 1}, OnOccupied::kRefuse);
  doc.PlaceElement(200, {5, 5}, OnOccupied::kRefuse);  // hangs
  doc.ApplyEdit([](Scheme& scheme) {
    scheme.AllocateParamBlock(1);
    scheme.AllocateParamBlock(2);
    return true;
  });
  doc.ToggleControlPoint({1, 1});
  doc.ToggleControlPoint({5, 5});
  const ExactModel before = Current();
  messages.answers = {true};
  ASSERT_TRUE(doc.Check());
  EXPECT_EQ(doc.scheme().GetControlPoint(2), 0);
  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(Current(), before);
}

TEST_F(UndoTest, NewOpenAndExamplesStartAnEmptyHistory) {
  doc.PlaceElement(101, {1, 1}, OnOccupied::kRefuse);
  ASSERT_TRUE(doc.CanUndo());
  messages.answers = {false};
  doc.LoadExample(2);
  EXPECT_FALSE(doc.CanUndo());
  doc.Rotate({1, 3}, Rotation::kClockwise);
  const std::string path = Path("m.krt");
  doc.WriteModelTo(path);
  EXPECT_TRUE(doc.CanUndo());  // saving keeps the history
  ASSERT_TRUE(doc.OpenFile(path));
  EXPECT_FALSE(doc.CanUndo());
  doc.Rotate({1, 3}, Rotation::kClockwise);
  messages.answers = {false};
  ASSERT_TRUE(doc.New());
  EXPECT_FALSE(doc.CanUndo());
  EXPECT_FALSE(doc.Undo());
  EXPECT_FALSE(doc.Redo());
}

TEST_F(UndoTest, UndoTurnsAPendingCutIntoACopy) {
  doc.PlaceElement(101, {1, 1}, OnOccupied::kRefuse);
  doc.PlaceElement(200, {1, 2}, OnOccupied::kRefuse);
  doc.Cut({1, 2});
  ASSERT_TRUE(doc.Undo());  // element 2 is gone: the cut cannot move it
  EXPECT_EQ(doc.PendingCutElement(), 0);
  EXPECT_EQ(doc.Paste(Cell{3, 3}), 2);
  EXPECT_EQ(doc.scheme().GetCode(2), 200);
}

// Random edits, undos and redos: the history mirrors what happened, and
// every scheme on the way is sound (its file reads back as written).
class RandomUndoTest : public UndoTest {
 protected:
  int Pick(int n) { return static_cast<int>(random() % n); }
  Cell AnyCell() { return {Pick(8) - 2, Pick(8) - 2}; }
  Cell ElementCell() {
    const Scheme& s = doc.scheme();
    if (s.ElementCount() == 0) return AnyCell();
    return s.GetStoredPosition(1 + Pick(s.ElementCount()));
  }

  void Edit() {
    switch (Pick(10)) {
      case 0:
      case 1: {
        const auto catalogue = Catalogue();
        doc.PlaceElement(catalogue[Pick(static_cast<int>(catalogue.size()))].code, AnyCell(),
                         Pick(2) ? OnOccupied::kRefuse : OnOccupied::kAskToReplace);
        return;
      }
      case 2:
        doc.MoveElement(ElementCell(), AnyCell());
        return;
      case 3:
        Pick(2) ? doc.Copy(ElementCell()) : doc.Cut(ElementCell());
        doc.Paste(AnyCell());
        return;
      case 4:
        doc.Delete(ElementCell());
        return;
      case 5:
        doc.Rotate(ElementCell(), static_cast<Rotation>(1 + Pick(3)));
        return;
      case 6:
        doc.ToggleControlPoint(ElementCell());
        return;
      case 7:
        text_input.answers = {std::string(Pick(3), 'm')};
        doc.NameModel();
        return;
      case 8: {
        const Cell cell = ElementCell();
        const int n = doc.ElementAt(cell);
        if (n == 0) return;
        std::optional<ParameterEntry> entry = ParameterEntry::Open(doc.ParameterContextFor(), n);
        if (entry) doc.ApplyEdit([&](Scheme&) { return entry->Accept().model_changed; });
        messages.Clear();
        return;
      }
      default:
        if (Pick(20) == 0) {
          messages.answers = {true};
          doc.DeleteAll();
        }
        return;
    }
  }

  std::mt19937 random{12};
};

TEST_F(RandomUndoTest, TwoThousandEditsUndosAndRedosKeepTheSchemeSound) {
  std::vector<ExactModel> past, future;
  int undos = 0, redos = 0;
  for (int step = 0; step < 2000; ++step) {
    SCOPED_TRACE(step);
    const ExactModel before = Current();
    const int what = Pick(6);
    if (what == 0) {
      const bool undone = doc.Undo();
      ASSERT_EQ(undone, !past.empty());
      if (undone) {
        ASSERT_EQ(Current(), past.back());
        past.pop_back();
        future.push_back(before);
        ++undos;
      }
    } else if (what == 1) {
      const bool redone = doc.Redo();
      ASSERT_EQ(redone, !future.empty());
      if (redone) {
        ASSERT_EQ(Current(), future.back());
        future.pop_back();
        past.push_back(before);
        ++redos;
      }
    } else {
      Edit();
      if (Current() != before) {
        past.push_back(before);
        future.clear();
      }
    }
    ASSERT_EQ(doc.CanUndo(), !past.empty());
    ASSERT_EQ(doc.CanRedo(), !future.empty());
    // Scrolling belongs to the view: no command shifts the scheme itself.
    ASSERT_EQ(doc.scheme().RowShift(), 0);
    ASSERT_EQ(doc.scheme().ColShift(), 0);

    const std::string image = Image();
    RecordingMessenger read_messages;
    Scheme read(read_messages);
    ASSERT_TRUE(DecodeModelImage(image, "m.krt", read).ok) << read_messages.Texts()[0];
    ASSERT_EQ(read.ControlPointCount(), doc.scheme().ControlPointCount());
    ASSERT_EQ(EncodeModelImage(read, doc.model_name()), image);
  }
  EXPECT_GT(undos, 100);
  EXPECT_GT(redos, 50);
}

}  // namespace
}  // namespace kortiv::test
