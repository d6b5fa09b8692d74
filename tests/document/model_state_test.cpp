// The model state, the file commands and the unsaved-changes question.

#include <gtest/gtest.h>

#include "document_fixture.h"
#include "model/builtin_examples.h"

namespace kortiv::test {
namespace {

using ModelStateTest = DocumentTest;

TEST_F(ModelStateTest, ANewDocumentIsAnUnchangedNewModel) {
  EXPECT_EQ(doc.model_state(), ModelState::kNew);
  EXPECT_EQ(doc.model_name(), "no_name             ");
  EXPECT_EQ(doc.scheme().ElementCount(), 0);
  EXPECT_FALSE(doc.CanUndo());
}

TEST_F(ModelStateTest, MarkingModifiedFollowsTheStateTable) {
  EXPECT_EQ(Modified(ModelState::kNew), ModelState::kNewChanged);
  EXPECT_EQ(Modified(ModelState::kNewChanged), ModelState::kNewChanged);
  EXPECT_EQ(Modified(ModelState::kSaved), ModelState::kSavedChanged);
  EXPECT_EQ(Modified(ModelState::kSavedChanged), ModelState::kSavedChanged);
  EXPECT_EQ(Modified(ModelState::kLoading), ModelState::kLoading);
  // A changed example is unsaved work like any new model.
  EXPECT_EQ(Modified(ModelState::kExample), ModelState::kNewChanged);
}

TEST_F(ModelStateTest, AnExampleIsLoadedAsStateSixWithItsCaption) {
  ASSERT_TRUE(doc.LoadExample(1));
  EXPECT_EQ(doc.model_state(), ModelState::kExample);
  EXPECT_EQ(doc.example_shown(), 1);
  EXPECT_EQ(doc.scheme().ElementCount(), 13);
  EXPECT_EQ(doc.scheme().ParamTop(), 15);
  EXPECT_EQ(doc.scheme().ControlPointCount(), 5);
  EXPECT_EQ(doc.file_path(), kBuiltinExamplePath);
  EXPECT_EQ(doc.model_name(), "Линейные схемы");
  EXPECT_EQ(doc.caption(), "Встроенный в Kortiv пример. Линейные схемы");
  EXPECT_TRUE(observer.changes.back().replaced);
  EXPECT_TRUE(messages.entries.empty());
}

TEST_F(ModelStateTest, TheSameUnchangedExampleTwiceDoesNothingAnotherReplacesItWithoutAQuestion) {
  ASSERT_TRUE(doc.LoadExample(5));
  EXPECT_FALSE(doc.LoadExample(5));
  ASSERT_TRUE(doc.LoadExample(4));
  EXPECT_EQ(doc.example_shown(), 4);
  EXPECT_EQ(doc.scheme().ElementCount(), 23);
  EXPECT_TRUE(messages.entries.empty());
}

TEST_F(ModelStateTest, AChangedExampleIsAskedAboutBeforeNewAndBeforeAnotherExample) {
  ASSERT_TRUE(doc.LoadExample(5));
  ASSERT_TRUE(doc.Rotate({1, 3}, Rotation::kClockwise));
  EXPECT_EQ(doc.model_state(), ModelState::kNewChanged);

  messages.answers = {false};  // do not save: the change is given up
  ASSERT_TRUE(doc.LoadExample(5));
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kAskToSaveQuestion)});
  EXPECT_EQ(doc.scheme().GetOrientation(3), 0);
  EXPECT_EQ(doc.model_state(), ModelState::kExample);

  ASSERT_TRUE(doc.Rotate({1, 3}, Rotation::kClockwise));
  messages.Clear();
  messages.answers = {false};
  EXPECT_TRUE(doc.New());
  EXPECT_EQ(messages.Texts().size(), 1u);
}

TEST_F(ModelStateTest, LoadingAnExampleOverAChangedModelAsksAndAFailedSaveKeepsTheModel) {
  MakeChangedNewModel();
  messages.answers = {true};
  files.Cancel();
  EXPECT_FALSE(doc.LoadExample(2));
  EXPECT_EQ(doc.scheme().ElementCount(), 1);
  EXPECT_EQ(doc.example_shown(), 0);
  EXPECT_EQ(doc.model_state(), ModelState::kNewChanged);
}

TEST_F(ModelStateTest, SaveOfANewChangedModelAsksForANameAndAppendsTheExtension) {
  MakeChangedNewModel();
  files.Answer(Path("first"));
  ASSERT_TRUE(doc.Save());
  ASSERT_EQ(files.requests.size(), 1u);
  const FileRequest& request = files.requests[0];
  EXPECT_EQ(request.kind, FileRequest::Kind::kSave);
  EXPECT_EQ(request.title, "Сохранить модель");
  EXPECT_EQ(request.initial_name, "");
  EXPECT_TRUE(request.overwrite_prompt);
  EXPECT_EQ(request.default_extension, "krt");
  ASSERT_EQ(request.filters.size(), 1u);
  EXPECT_EQ(request.filters[0].description, "Файлы модели Kortiv (*.krt)");
  EXPECT_EQ(request.filters[0].pattern, "*.krt");

  EXPECT_EQ(doc.file_path(), Path("first.krt"));
  EXPECT_EQ(doc.model_state(), ModelState::kSaved);
  EXPECT_FALSE(doc.Commands({}).save);
  EXPECT_EQ(Slurp(Path("first.krt")), Image());
  EXPECT_EQ(doc.caption(), "Kortiv: first : no_name             ");
}

TEST_F(ModelStateTest, ANameEndingInTheExtensionInCapitalsIsUsedAsTyped) {
  MakeChangedNewModel();
  files.Answer(Path("BIG.KRT"));
  ASSERT_TRUE(doc.SaveAs());
  EXPECT_EQ(files.requests[0].title, "Сохранить модель как ...");
  EXPECT_EQ(doc.file_path(), Path("BIG.KRT"));
  EXPECT_TRUE(std::filesystem::exists(Path("BIG.KRT")));
}

TEST_F(ModelStateTest, SaveOfAnOpenedModelWritesItsFileWithoutADialog) {
  const std::string path = OpenedExample(3);
  ASSERT_TRUE(doc.Rotate({2, 3}, Rotation::kHalfTurn));
  EXPECT_EQ(doc.model_state(), ModelState::kSavedChanged);
  EXPECT_TRUE(doc.Commands({}).save);
  ASSERT_TRUE(doc.Save());
  EXPECT_TRUE(files.requests.empty());
  EXPECT_EQ(doc.model_state(), ModelState::kSaved);
  EXPECT_EQ(Slurp(path), Image());
}

TEST_F(ModelStateTest, SaveOfAnExampleStartsTheDialogWithTheExamplePath) {
  doc.LoadExample(1);
  files.Cancel();
  EXPECT_FALSE(doc.Save());
  ASSERT_EQ(files.requests.size(), 1u);
  EXPECT_EQ(files.requests[0].initial_name, "Встроенный в Kortiv пример");
  EXPECT_EQ(doc.model_state(), ModelState::kExample);
}

TEST_F(ModelStateTest, AFailedWriteKeepsTheStateAndSaveEnabled) {
  const std::string path = OpenedExample(1);
  ASSERT_TRUE(doc.Rotate({2, 1}, Rotation::kClockwise));
  std::filesystem::remove(path);
  std::filesystem::create_directory(path);  // a folder cannot be written as a file
  messages.Clear();
  EXPECT_FALSE(doc.Save());
  EXPECT_FALSE(messages.entries.empty());
  EXPECT_EQ(doc.model_state(), ModelState::kSavedChanged);
  EXPECT_TRUE(doc.Commands({}).save);
}

TEST_F(ModelStateTest, OpenAsksForAnExistingModelAndAFailedOpenChangesNothing) {
  const std::string path = OpenedExample(2, "two.krt");
  doc.New();
  files.Answer(path);
  ASSERT_TRUE(doc.Open());
  const FileRequest& request = files.requests.back();
  EXPECT_EQ(request.kind, FileRequest::Kind::kOpen);
  EXPECT_TRUE(request.must_exist);
  ASSERT_EQ(request.filters.size(), 2u);
  EXPECT_EQ(request.filters[0].description, "Kortiv model (*.krt)");
  EXPECT_EQ(request.filters[1].pattern, "*.*");
  EXPECT_EQ(doc.model_state(), ModelState::kSaved);
  EXPECT_EQ(doc.caption(), "Kortiv: two : Схемы с разветвлениями");
  EXPECT_TRUE(doc.Commands({}).whole_scheme);

  const std::string image = Image();
  std::ofstream(Path("broken.krt")) << "not a model";
  files.Answer(Path("broken.krt"));
  messages.Clear();
  EXPECT_FALSE(doc.Open());
  EXPECT_FALSE(messages.entries.empty());
  EXPECT_EQ(Image(), image);
  EXPECT_EQ(doc.file_path(), path);
  EXPECT_EQ(doc.model_state(), ModelState::kSaved);
}

TEST_F(ModelStateTest, NewAndCloseClearTheSchemeKeepTheFileAndTheIntegrationValues) {
  const std::string path = OpenedExample(1);
  doc.ApplyEdit([](Scheme& scheme) {
    scheme.SetParam(1, 0.02f);
    return true;
  });
  messages.answers = {false};
  ASSERT_TRUE(doc.Close());
  EXPECT_EQ(doc.scheme().ElementCount(), 0);
  EXPECT_FLOAT_EQ(doc.scheme().H(), 0.02f);
  EXPECT_EQ(doc.model_state(), ModelState::kNew);
  EXPECT_EQ(doc.model_name(), "no_name             ");
  EXPECT_EQ(doc.caption(), "Kortiv: noname");
  EXPECT_EQ(doc.file_path(), path);
  EXPECT_FALSE(doc.CanUndo());
}

TEST_F(ModelStateTest, AYesThatCannotSaveKeepsTheModelForNewOpenAndClose) {
  MakeChangedNewModel();
  for (auto command : {&Document::New, &Document::Open, &Document::Close}) {
    messages.answers = {true};
    files.Cancel();
    EXPECT_FALSE((doc.*command)());
    EXPECT_EQ(doc.scheme().ElementCount(), 1);
    EXPECT_EQ(doc.model_state(), ModelState::kNewChanged);
  }
}

TEST_F(ModelStateTest, NamingTheModelKeepsFiftyCharactersAndEnablesSave) {
  const std::string path = OpenedExample(1);
  text_input.answers = {std::string(60, 'x')};
  ASSERT_TRUE(doc.NameModel());
  ASSERT_EQ(text_input.requests.size(), 1u);
  EXPECT_EQ(text_input.requests[0].title, "Модель Kortiv");
  EXPECT_EQ(text_input.requests[0].prompt, "Введите имя модели:");
  EXPECT_EQ(text_input.requests[0].initial, "Линейные схемы");
  EXPECT_EQ(doc.model_name(), std::string(50, 'x'));
  EXPECT_EQ(doc.model_state(), ModelState::kSavedChanged);
  EXPECT_TRUE(doc.Commands({}).save);
  EXPECT_EQ(doc.caption(), "Kortiv: model : " + std::string(50, 'x'));

  // Russian names are cut by characters, not bytes; a cancelled box keeps the name.
  text_input.answers = {std::string(60, 'x').replace(0, 1, "Ж"), std::nullopt};
  ASSERT_TRUE(doc.NameModel());
  EXPECT_EQ(doc.model_name(), "Ж" + std::string(49, 'x'));
  EXPECT_FALSE(doc.NameModel());
  EXPECT_EQ(doc.model_name(), "Ж" + std::string(49, 'x'));
}

TEST_F(ModelStateTest, RenamingKeepsTheResultsAndTheCheckedScheme) {
  doc.LoadExample(5);
  ASSERT_EQ(doc.Run(Document::RunMode::kWait), RunOutcome::kFinished);
  text_input.answers = {std::string("другое")};
  ASSERT_TRUE(doc.NameModel());
  EXPECT_TRUE(doc.ResultsValid());
  EXPECT_TRUE(doc.SchemeChecked());
  EXPECT_TRUE(doc.Commands({}).results);
}

TEST_F(ModelStateTest, EditsLeaveTheCaptionRenamingAndUndoingAChangedNameUpdateIt) {
  doc.LoadExample(3);
  doc.Rotate({2, 3}, Rotation::kClockwise);
  EXPECT_EQ(doc.caption(), "Встроенный в Kortiv пример. Схемы со схождениями");
  text_input.answers = {std::string("моя")};
  ASSERT_TRUE(doc.NameModel());
  EXPECT_EQ(doc.caption(), "Встроенный в Kortiv пример. моя");
  ASSERT_TRUE(doc.Undo());
  EXPECT_EQ(doc.caption(), "Встроенный в Kortiv пример. Схемы со схождениями");

  messages.answers = {false};
  ASSERT_TRUE(doc.New());
  text_input.answers = {std::string("новая")};
  ASSERT_TRUE(doc.NameModel());
  EXPECT_EQ(doc.caption(), "Kortiv: noname : новая");
}

}  // namespace
}  // namespace kortiv::test
