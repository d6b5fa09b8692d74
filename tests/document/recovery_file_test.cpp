#include "document/recovery_file.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "document_fixture.h"

namespace kortiv {
namespace {

namespace fs = std::filesystem;

TEST(RecoveryFolder, FollowsTheDataHomeOrFallsBackToTheHomeFolder) {
  EXPECT_EQ(RecoveryFolder("/data", "/home/u"), "/data/kortiv");
  EXPECT_EQ(RecoveryFolder("", "/home/u"), "/home/u/.local/share/kortiv");
  EXPECT_EQ(RecoveryFolder(nullptr, "/home/u"), "/home/u/.local/share/kortiv");
  EXPECT_EQ(RecoveryFolder(nullptr, nullptr), "");
}

class RecoveryFileTest : public test::DocumentTest {
 protected:
  std::string Folder() const { return (dir / "data" / "kortiv").string(); }
  RecoveryFile recovery{Folder()};

  // What a program started afresh finds, answering the question with `yes`.
  struct NextStart {
    test::RecordingMessenger messages;
    test::RecordingFileChooser files;
    test::RecordingTextInput text_input;
    Document doc{messages, files, text_input};
  };
  bool OfferBackAtNextStart(NextStart& next, bool yes) {
    next.messages.answers = {yes};
    return RecoveryFile(Folder()).OfferBack(next.doc, next.messages);
  }
};

TEST_F(RecoveryFileTest, AnUnnamedChangedModelIsOfferedBackWhole) {
  MakeChangedNewModel();
  recovery.Autosave(doc);
  NextStart next;
  ASSERT_TRUE(OfferBackAtNextStart(next, true));
  ASSERT_EQ(next.messages.entries.size(), 1u);
  EXPECT_TRUE(next.messages.entries[0].question);
  EXPECT_EQ(next.messages.entries[0].text,
            "Восстановить несохранённые изменения модели (без имени)?");
  EXPECT_EQ(next.messages.entries[0].caption, "Подтверждение");
  EXPECT_EQ(EncodeModelImage(next.doc.scheme(), next.doc.model_name()), Image());
  EXPECT_EQ(next.doc.model_state(), ModelState::kNewChanged);
  EXPECT_TRUE(next.doc.Commands({}).save);
}

TEST_F(RecoveryFileTest, AChangedModelComesBackUnderItsOwnFileUnsaved) {
  const std::string path = OpenedExample(5);
  const std::string saved = Slurp(path);
  ASSERT_GT(doc.PlaceElement(200, {20, 20}, OnOccupied::kRefuse), 0);
  recovery.Autosave(doc);
  NextStart next;
  ASSERT_TRUE(OfferBackAtNextStart(next, true));
  EXPECT_EQ(next.messages.Texts(),
            std::vector<std::string>{"Восстановить несохранённые изменения модели model.krt?"});
  EXPECT_EQ(next.doc.file_path(), path);
  EXPECT_EQ(next.doc.model_state(), ModelState::kSavedChanged);
  EXPECT_EQ(EncodeModelImage(next.doc.scheme(), next.doc.model_name()), Image());
  EXPECT_EQ(Slurp(path), saved);  // the model's file is not touched
  // Saving it removes the recovery file at once.
  RecoveryCleaner cleaner(recovery, next.doc);
  next.doc.AddObserver(cleaner);
  ASSERT_GT(next.doc.PlaceElement(200, {21, 21}, OnOccupied::kRefuse), 0);
  EXPECT_TRUE(fs::exists(recovery.model_path()));
  ASSERT_TRUE(next.doc.Save());
  EXPECT_FALSE(fs::exists(recovery.model_path()));
  next.doc.RemoveObserver(cleaner);
}

TEST_F(RecoveryFileTest, DeclinedWorkIsRemovedAndNotOfferedAgain) {
  MakeChangedNewModel();
  recovery.Autosave(doc);
  NextStart first;
  EXPECT_FALSE(OfferBackAtNextStart(first, false));
  EXPECT_EQ(first.doc.model_state(), ModelState::kNew);
  NextStart second;
  EXPECT_FALSE(OfferBackAtNextStart(second, true));
  EXPECT_TRUE(second.messages.entries.empty());
}

// Saved after the autosave (by another program, or a save the crash did not
// stop): the file on disk is the newer work.
TEST_F(RecoveryFileTest, ARecoveryFileOlderThanItsModelIsDropped) {
  const std::string path = OpenedExample(2);
  ASSERT_GT(doc.PlaceElement(200, {20, 20}, OnOccupied::kRefuse), 0);
  recovery.Autosave(doc);
  fs::last_write_time(path, fs::last_write_time(recovery.model_path()) + std::chrono::seconds(5));
  NextStart next;
  EXPECT_FALSE(OfferBackAtNextStart(next, true));
  EXPECT_TRUE(next.messages.entries.empty());
  EXPECT_FALSE(fs::exists(recovery.model_path()));
}

TEST_F(RecoveryFileTest, NothingUnsavedLeavesNoRecoveryFile) {
  doc.LoadExample(3);
  recovery.Autosave(doc);
  EXPECT_FALSE(fs::exists(recovery.model_path()));
  MakeChangedNewModel();
  recovery.Autosave(doc);
  EXPECT_TRUE(fs::exists(recovery.model_path()));
  recovery.Remove();  // a clean exit
  NextStart next;
  EXPECT_FALSE(OfferBackAtNextStart(next, true));
  EXPECT_TRUE(next.messages.entries.empty());
}

// A program killed after a change and an autosave: the next start finds the
// work and takes it back.
TEST_F(RecoveryFileTest, WorkOfAKilledProgramIsOfferedBack) {
  const std::string path = OpenedExample(6);
  ASSERT_GT(doc.PlaceElement(200, {20, 20}, OnOccupied::kRefuse), 0);
  const std::string changed = Image();
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    RecoveryFile(Folder()).Autosave(doc);
    kill(getpid(), SIGKILL);
    _exit(0);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  NextStart next;
  ASSERT_TRUE(OfferBackAtNextStart(next, true));
  EXPECT_EQ(EncodeModelImage(next.doc.scheme(), next.doc.model_name()), changed);
  EXPECT_EQ(next.doc.file_path(), path);
}

}  // namespace
}  // namespace kortiv
