// Closing the program and where the settings file is read and written.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document/settings_location.h"
#include "document_fixture.h"
#include "model/user_settings.h"

namespace kortiv::test {
namespace {

namespace fs = std::filesystem;

class ClosingTest : public DocumentTest {
 protected:
  // Settings read from nowhere, written to the scratch folder.
  void WriteSettingsTo(const std::string& path) { doc.LoadSettings({"", path}); }
};

TEST_F(ClosingTest, AnUnchangedModelClosesWithoutAQuestionAndWritesTheSettings) {
  WriteSettingsTo(Path("Kortiv.usr"));
  EXPECT_TRUE(doc.RequestClose());
  EXPECT_TRUE(messages.entries.empty());
  EXPECT_EQ(fs::file_size(Path("Kortiv.usr")), 198u);
  EXPECT_TRUE(doc.Closing());
}

TEST_F(ClosingTest, ACancelledOrFailedSaveKeepsTheProgramOpen) {
  WriteSettingsTo(Path("Kortiv.usr"));
  MakeChangedNewModel();
  messages.answers = {true};
  files.Cancel();
  EXPECT_FALSE(doc.RequestClose());
  EXPECT_FALSE(fs::exists(Path("Kortiv.usr")));

  fs::create_directory(Path("taken.krt"));  // cannot be written as a file
  messages.answers = {true};
  files.Answer(Path("taken.krt"));
  EXPECT_FALSE(doc.RequestClose());
  EXPECT_FALSE(doc.Closing());
  EXPECT_EQ(doc.scheme().ElementCount(), 1);
}

TEST_F(ClosingTest, ASuccessfulSaveOrANoCloses) {
  MakeChangedNewModel();
  messages.answers = {true};
  files.Answer(Path("kept"));
  EXPECT_TRUE(doc.RequestClose());
  EXPECT_TRUE(fs::exists(Path("kept.krt")));

  // Exit closes the window, whose closing asks again: once is enough.
  messages.Clear();
  EXPECT_TRUE(doc.Exit());
  EXPECT_TRUE(messages.entries.empty());
}

TEST_F(ClosingTest, NoDiscardsTheChangesAndCloses) {
  MakeChangedNewModel();
  messages.answers = {false};
  EXPECT_TRUE(doc.Exit());
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Текущая модель не сохранена! Сохранить?"});
  EXPECT_EQ(messages.entries[0].caption, "Подтверждение");
}

TEST_F(ClosingTest, AFailedSettingsWriteIsReportedAndDoesNotBlockClosing) {
  fs::create_directory(Path("Kortiv.usr"));
  WriteSettingsTo(Path("Kortiv.usr"));
  EXPECT_TRUE(doc.RequestClose());
  ASSERT_EQ(messages.entries.size(), 1u);
  EXPECT_EQ(messages.Texts()[0],
            "Файл " + Path("Kortiv.usr") + " не удаётся открыть для записи параметров.");
}

TEST_F(ClosingTest, TheSettingsGoBackWhereTheyWereReadAndTheirFolderIsMade) {
  UserSettings settings;
  settings.AskDelete = false;
  settings.OdeMethod = 2;
  const std::string path = Path("deep/er/Kortiv.usr");
  fs::create_directories(Path("deep/er"));
  std::ofstream(path, std::ios::binary) << EncodeUserSettings(settings);
  doc.LoadSettings({path, path});
  EXPECT_FALSE(doc.settings().AskDelete);
  EXPECT_EQ(doc.settings().OdeMethod, 2);

  fs::remove_all(Path("deep"));
  UserSettings changed = doc.settings();
  changed.PercentView = false;
  doc.SetSettings(changed);
  EXPECT_TRUE(doc.SaveSettings());
  EXPECT_EQ(Slurp(path), EncodeUserSettings(changed));
}

using SettingsLocationTest = DocumentTest;

TEST_F(SettingsLocationTest, TheStartFolderWinsWhenItHoldsTheFile) {
  const std::string start = Path("start");
  const std::string config = Path("config/kortiv");
  fs::create_directories(start);
  fs::create_directories(config);
  std::ofstream(config + "/Kortiv.usr") << "x";

  SettingsLocation location = LocateSettings(start, config);
  EXPECT_EQ(location.read_path, config + "/Kortiv.usr");
  EXPECT_EQ(location.write_path, config + "/Kortiv.usr");

  std::ofstream(start + "/Kortiv.usr") << "x";
  location = LocateSettings(start, config);
  EXPECT_EQ(location.read_path, start + "/Kortiv.usr");
  EXPECT_EQ(location.write_path, start + "/Kortiv.usr");
}

TEST_F(SettingsLocationTest, WithoutAFileTheDefaultsAreWrittenToTheConfigurationFolder) {
  const SettingsLocation location = LocateSettings(Path("start"), Path("config/kortiv"));
  EXPECT_EQ(location.read_path, "");
  EXPECT_EQ(location.write_path, Path("config/kortiv") + "/Kortiv.usr");
  doc.LoadSettings(location);
  EXPECT_TRUE(doc.settings().AskDelete);
  EXPECT_TRUE(doc.SaveSettings());
  EXPECT_EQ(fs::file_size(location.write_path), 198u);
}

TEST(ConfigFolderTest, FollowsXdgConfigHomeElseTheHomeFolder) {
  EXPECT_EQ(ConfigFolder("/x/conf", "/home/u"), "/x/conf/kortiv");
  EXPECT_EQ(ConfigFolder("", "/home/u"), "/home/u/.config/kortiv");
  // A relative value is not a valid base folder.
  EXPECT_EQ(ConfigFolder("rel", "/home/u"), "/home/u/.config/kortiv");
}

}  // namespace
}  // namespace kortiv::test
