#include "model/user_settings.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "recording_messenger.h"
#include "support/file_io.h"

namespace kortiv {
namespace {

namespace fs = std::filesystem;

class UserSettingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("kortiv-usr-" + std::to_string(::getpid()) + "-" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir);
    path = (dir / kSettingsFileName).string();
  }
  void TearDown() override { fs::remove_all(dir); }

  void WriteBytes(const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

  fs::path dir;
  std::string path;
  test::RecordingMessenger messages;
};

TEST(PlotStylesDefaults, BackgroundGridAndOneRecordPerControlPoint) {
  const PlotStyles styles = DefaultPlotStyles();
  EXPECT_EQ(styles[0], (PlotStyleRecord{0, 13, 8, 0, 0}));
  EXPECT_EQ(styles[1], (PlotStyleRecord{0, 0, 1, 2, 1}));
  EXPECT_EQ(styles[12], (PlotStyleRecord{11, 0, 1, 2, 1}));
}

TEST(ColourTable, CodesOutsideTheTableGiveBlack) {
  const auto rgb = [](int code) {
    const Rgb c = ColourOf(code);
    return std::array<int, 3>{c.red, c.green, c.blue};
  };
  EXPECT_EQ(rgb(2), (std::array<int, 3>{0, 128, 0}));
  EXPECT_EQ(rgb(13), (std::array<int, 3>{255, 255, 255}));
  EXPECT_EQ(rgb(17), (std::array<int, 3>{0, 0, 0}));
  EXPECT_EQ(rgb(-1), (std::array<int, 3>{0, 0, 0}));
}

TEST_F(UserSettingsTest, WithoutAFileTheDefaultsHoldAndSavingWrites198Bytes) {
  const UserSettings settings = LoadUserSettings(path);
  EXPECT_FALSE(settings.LibraryOnRight);
  EXPECT_TRUE(settings.ShowPlotAfterRun);
  EXPECT_EQ(settings.OdeMethod, 1);
  EXPECT_TRUE(settings.AskPaste);
  EXPECT_EQ(settings.Styles, DefaultPlotStyles());

  ASSERT_TRUE(SaveUserSettings(settings, path, messages));
  const auto bytes = ReadFileBytes(path, 1000);
  ASSERT_TRUE(bytes.has_value());
  ASSERT_EQ(bytes->size(), 198u);
  EXPECT_EQ(bytes->substr(0, 14), std::string("\0\1\0\0\1\0\1\0\1\0\0\1\1\1", 14));
  EXPECT_EQ(bytes->substr(14, 50), std::string(50, '\0'));
  EXPECT_EQ(bytes->substr(64, 4), std::string("\x64\0\0\0", 4));
  EXPECT_EQ(bytes->substr(68, 10), std::string("\0\0\x0D\0\x08\0\0\0\0\0", 10));
  EXPECT_EQ(bytes->substr(188, 10), std::string("\x0B\0\0\0\1\0\2\0\1\0", 10));
  EXPECT_TRUE(messages.entries.empty());
}

TEST_F(UserSettingsTest, EveryFieldRoundTrips) {
  UserSettings settings;
  settings.LibraryOnRight = true;
  settings.ShowPlotAfterRun = false;
  settings.DerivMethod = 2;
  settings.OdeMethod = 0;
  settings.PhaseInDegrees = true;
  settings.AskDelete = false;
  settings.Styles[0] = {0, 15, 14, 0, 0};
  settings.Styles[7] = {16, 3, 3, 1, 2};
  ASSERT_TRUE(SaveUserSettings(settings, path, messages));
  const UserSettings read = LoadUserSettings(path);
  EXPECT_EQ(EncodeUserSettings(read), EncodeUserSettings(settings));
  EXPECT_TRUE(read.LibraryOnRight);
  EXPECT_FALSE(read.ShowPlotAfterRun);
  EXPECT_EQ(read.DerivMethod, 2);
  EXPECT_EQ(read.OdeMethod, 0);
  EXPECT_EQ(read.Styles, settings.Styles);
}

TEST_F(UserSettingsTest, AnOlderVersionKeepsItsFlagsButGetsTheDefaultStyles) {
  UserSettings settings;
  settings.FreqInHertz = true;
  settings.Styles[3] = {9, 1, 2, 0, 1};
  std::string bytes = EncodeUserSettings(settings);
  bytes[64] = 99;
  WriteBytes(bytes);
  const UserSettings read = LoadUserSettings(path);
  EXPECT_TRUE(read.FreqInHertz);
  EXPECT_EQ(read.Styles, DefaultPlotStyles());
}

TEST_F(UserSettingsTest, AnyNonZeroFlagByteIsTrueAndIsWrittenBackAsOne) {
  std::string bytes = EncodeUserSettings(UserSettings{});
  bytes[0] = 2;
  bytes[7] = static_cast<char>(0xFF);
  WriteBytes(bytes);
  const UserSettings read = LoadUserSettings(path);
  EXPECT_TRUE(read.LibraryOnRight);
  EXPECT_TRUE(read.DoubleWindows);
  const std::string again = EncodeUserSettings(read);
  EXPECT_EQ(again[0], 1);
  EXPECT_EQ(again[7], 1);
}

TEST_F(UserSettingsTest, OutOfRangeMethodsAndStylesAreClampedOnLoading) {
  std::string bytes = EncodeUserSettings(UserSettings{});
  bytes[3] = static_cast<char>(-3);  // signed byte
  bytes[4] = 7;
  const auto put = [&](int word, std::int16_t value) {
    bytes[68 + 2 * word] = static_cast<char>(value & 0xFF);
    bytes[69 + 2 * word] = static_cast<char>((value >> 8) & 0xFF);
  };
  put(1, 40);   // background colour
  put(2, -2);   // grid colour
  put(5, 17);   // colour of point 1
  put(6, 9);    // its line style
  put(7, 0);    // its width
  put(8, -1);   // its phase style
  put(9, 300);  // its phase width
  WriteBytes(bytes);
  const UserSettings read = LoadUserSettings(path);
  EXPECT_EQ(read.DerivMethod, 0);
  EXPECT_EQ(read.OdeMethod, 2);
  EXPECT_EQ(read.Styles[0], (PlotStyleRecord{0, 16, 0, 0, 0}));
  EXPECT_EQ(read.Styles[1], (PlotStyleRecord{16, 3, 1, 0, 3}));
}

TEST_F(UserSettingsTest, AShortFileGivesDefaultsForWhatIsMissing) {
  UserSettings settings;
  settings.LibraryOnRight = true;
  settings.AskPaste = false;
  settings.Styles[1] = {4, 1, 2, 3, 3};
  settings.Styles[12] = {4, 1, 2, 3, 3};
  const std::string bytes = EncodeUserSettings(settings);

  WriteBytes(bytes.substr(0, 5));
  UserSettings read = LoadUserSettings(path);
  EXPECT_TRUE(read.LibraryOnRight);
  EXPECT_TRUE(read.AskPaste);

  WriteBytes(bytes.substr(0, 68 + 2 * 10));  // records 0 and 1 only
  read = LoadUserSettings(path);
  EXPECT_FALSE(read.AskPaste);
  EXPECT_EQ(read.Styles[1], settings.Styles[1]);
  EXPECT_EQ(read.Styles[12], DefaultPlotStyles()[12]);

  WriteBytes("");
  read = LoadUserSettings(path);
  EXPECT_EQ(EncodeUserSettings(read), EncodeUserSettings(UserSettings{}));
}

TEST_F(UserSettingsTest, AFileThatCannotBeCreatedIsReported) {
  const std::string nowhere = (dir / "missing" / kSettingsFileName).string();
  EXPECT_FALSE(SaveUserSettings(UserSettings{}, nowhere, messages));
  EXPECT_EQ(
      messages.Texts(),
      std::vector<std::string>{"Файл " + nowhere + " не удаётся открыть для записи параметров."});
}

}  // namespace
}  // namespace kortiv
