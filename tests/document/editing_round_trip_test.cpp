// Whatever the user does to a scheme through the document's edit commands
// and the parameter dialog, the model file written afterwards must open again with
// the same content: the reader refuses records that break the table's
// invariants, so any drift in block addresses, counts or control points
// would lose the user's model.

#include <gtest/gtest.h>

#include <random>
#include <set>

#include "document/document.h"
#include "model/catalogue.h"
#include "model/model_file.h"
#include "model/scheme.h"
#include "params/parameter_entry.h"
#include "recording_file_chooser.h"
#include "recording_messenger.h"
#include "recording_text_input.h"

namespace kortiv {
namespace {

class EditingRoundTrip : public ::testing::Test {
 protected:
  EditingRoundTrip() {
    UserSettings settings;
    settings.AskDelete = false;
    settings.AskPaste = false;
    doc.SetSettings(settings);
  }

  int RandomElement() { return 1 + static_cast<int>(random() % scheme.ElementCount()); }
  Cell CellOf(int n) { return scheme.GetStoredPosition(n); }

  Cell FreeCell() {
    for (;;) {
      const Cell cell{static_cast<int>(random() % 12) - 3, static_cast<int>(random() % 12) - 3};
      if (scheme.ElementAt(cell) == 0) return cell;
    }
  }

  void Place() {
    const auto catalogue = Catalogue();
    const CatalogueEntry& entry = catalogue[random() % catalogue.size()];
    const Cell cell = FreeCell();
    doc.PlaceElement(entry.code, cell, OnOccupied::kRefuse);
    const int turns = static_cast<int>(random() % 4);
    if (turns > 0) doc.Rotate(cell, static_cast<Rotation>(turns));
  }

  // Accepts the dialog with its shown values; the general element first
  // gets new orders.
  void EnterParameters(int n) {
    std::optional<ParameterEntry> entry = ParameterEntry::Open(doc.ParameterContextFor(), n);
    if (!entry) return;
    if (entry->code() == kGeneralLinearCode) {
      entry->SetInteger(ControlId::kCseM, static_cast<int>(random() % 4));
      entry->SetInteger(ControlId::kCseN, static_cast<int>(random() % 5));
      entry->Apply();
    }
    doc.ApplyEdit([&](Scheme&) { return entry->Accept().model_changed; });
  }

  void Paste() { doc.Paste(FreeCell()); }

  void Delete(int n) { doc.Delete(CellOf(n)); }

  void Step() {
    if (scheme.ElementCount() == 0) return Place();
    const int n = RandomElement();
    // Keep free cells on the 12 x 12 patch the elements go to.
    if (scheme.ElementCount() >= 60) return Delete(n);
    switch (random() % 9) {
      case 0:
      case 1:
        return Place();
      case 2:
      case 3:
        return EnterParameters(n);
      case 4:
        return Delete(n);
      case 5:
        // Wires and forks never carry a control point.
        if (scheme.GetCode(n) > 8) doc.ToggleControlPoint(CellOf(n));
        return;
      case 6:
        doc.Rotate(CellOf(n), static_cast<Rotation>(1 + random() % 3));
        return;
      case 7:
        if (random() % 2) {
          doc.Copy(CellOf(n));
        } else {
          doc.Cut(CellOf(n));
        }
        return;
      default:
        return Paste();
    }
  }

  void ExpectTheFileOpensAsTheScheme() {
    const std::string image = EncodeModelImage(scheme, "");
    test::RecordingMessenger read_messages;
    Scheme read(read_messages);
    ASSERT_TRUE(DecodeModelImage(image, "m.krt", read).ok) << read_messages.Texts()[0];
    ASSERT_EQ(read.ElementCount(), scheme.ElementCount());
    EXPECT_EQ(read.ControlPointCount(), scheme.ControlPointCount());
    for (int n = 1; n <= scheme.ElementCount(); ++n) {
      ASSERT_EQ(read.Record(n).CodeWord, scheme.Record(n).CodeWord);
      ASSERT_EQ(read.Record(n).AttrWord, scheme.Record(n).AttrWord);
      if (scheme.GetParamAddress(n) == 0) continue;
      for (int i = 0; i < scheme.GetParamCount(n); ++i) {
        ASSERT_EQ(read.ElementParam(n, i), scheme.ElementParam(n, i));
      }
    }
    EXPECT_EQ(EncodeModelImage(read, ""), image);
  }

  std::mt19937 random{2026};
  test::RecordingMessenger messages;
  test::RecordingFileChooser files;
  test::RecordingTextInput text_input;
  Document doc{messages, files, text_input};
  const Scheme& scheme = doc.scheme();
};

TEST_F(EditingRoundTrip, EveryEditedSchemeOpensAgainFromItsFile) {
  for (int step = 0; step < 3000; ++step) {
    SCOPED_TRACE(step);
    Step();
    ASSERT_NO_FATAL_FAILURE(ExpectTheFileOpensAsTheScheme());
  }
}

}  // namespace
}  // namespace kortiv
