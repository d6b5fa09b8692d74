#include "results/results_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "numbered_run.h"
#include "recording_messenger.h"
#include "results/results_headings.h"

namespace kortiv {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (auto end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  lines.push_back(text.substr(start));
  return lines;
}

TEST(ResultsText, TimeRunWithTwoControlPoints) {
  RunState run;
  test::MakeNumberedRun(run, RunKind::kTime, 2, 2);
  const ResultsTextSource source{
      run, ResultsKind::kTimeRun, {}, "Kortiv: m : name", "08.12.2026 04:00:00"};
  const std::string text = ResultsText(source, WholeRange(2));
  EXPECT_NE(text.substr(text.size() - 2), "\r\n");
  EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
  const auto lines = Lines(text);
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines[0], "Kortiv: m : name     08.12.2026 04:00:00");
  EXPECT_EQ(lines[1], "\t\tРезультаты расчёта в контрольных точках vp.");
  EXPECT_EQ(lines[2], "   i\t   t    \t vp=1   \t vp=2   ");
  EXPECT_EQ(lines[3], "   0\t0.0000E+00\t1.0000E-01\t2.0000E-01");
  EXPECT_EQ(lines[4], "   1\t5.0000E-01\t1.1000E+00\t1.2000E+00");
  EXPECT_EQ(lines[5].substr(0, 5), "   2\t");
}

TEST(ResultsText, PointNumbersAreRightAlignedInFourCharacters) {
  RunState run;
  test::MakeNumberedRun(run, RunKind::kTime, 1000, 0);
  const ResultsTextSource source{run, ResultsKind::kTimeRun, {}, "c", "d"};
  auto lines = Lines(ResultsText(source, {9, 1, 10}));
  EXPECT_EQ(lines[3], "   9\t4.5000E+00");
  EXPECT_EQ(lines[4], "  10\t5.0000E+00");
  lines = Lines(ResultsText(source, {100, 900, 1000}));
  EXPECT_EQ(lines[3], " 100\t5.0000E+01");
  EXPECT_EQ(lines[4], "1000\t5.0000E+02");
}

TEST(ResultsText, FrequencyRowsListBothValuesOfEachPointWithTheSystemSeparator) {
  RunState run;
  test::MakeNumberedRun(run, RunKind::kFrequency, 0, 2);
  const ResultsTextSource source{run, ResultsKind::kFrequencyLg, {}, "c", "d", ','};
  const auto lines = Lines(ResultsText(source, WholeRange(0)));
  EXPECT_EQ(lines[3], "   0\t0,0000E+00\t1,0000E-01\t2,0000E-01\t3,0000E-01\t4,0000E-01");
}

// The file gets what the string gets; a file that cannot be made is
// reported, not passed off as saved.
TEST(ResultsText, FileWritingIsCheckedToTheEnd) {
  RunState run;
  test::MakeNumberedRun(run, RunKind::kTime, 2000, 3);
  const ResultsTextSource source{run, ResultsKind::kTimeRun, {}, "c", "d"};
  const auto path = std::filesystem::temp_directory_path() / "kortiv_results_text_test.txt";
  test::RecordingMessenger messages;
  ASSERT_TRUE(WriteResultsText(path.string(), source, {0, 7, 2000}, messages));
  std::ifstream file(path, std::ios::binary);
  std::stringstream written;
  written << file.rdbuf();
  EXPECT_EQ(written.str(), ResultsText(source, {0, 7, 2000}));
  std::filesystem::remove(path);
  EXPECT_TRUE(messages.Texts().empty());
  const std::string nowhere =
      (std::filesystem::temp_directory_path() / "kortiv_no_such_folder" / "r.txt").string();
  EXPECT_FALSE(WriteResultsText(nowhere, source, WholeRange(2000), messages));
  EXPECT_EQ(messages.Texts(),
            std::vector<std::string>{"Saving txt: Файл " + nowhere + " не удаётся создать."});
}

TEST(TextHeading, EveryKindWithItsUnits) {
  const ResultsUnits radians{};
  const ResultsUnits hertz_degrees{true, true};
  EXPECT_EQ(TextHeading(ResultsKind::kPhasePortrait, 4, radians),
            "   i\t   t    \t x(vp=1)\t y(vp=2)\t x(vp=3)\t y(vp=4)");
  EXPECT_EQ(TextHeading(ResultsKind::kHodograph, 1, radians),
            "   i\t    w,рад/с\t  U1(w)  \t  V1(w)  ");
  EXPECT_EQ(TextHeading(ResultsKind::kHodograph, 1, hertz_degrees),
            "   i\t    f, Гц \t  U1(f)  \t  V1(f)  ");
  EXPECT_EQ(TextHeading(ResultsKind::kFrequencyLinear, 2, hertz_degrees),
            "   i\t    f, Гц\t  A1(f)  \t fi1(f), гр\t  A2(f)  \t fi2(f), гр");
  EXPECT_EQ(TextHeading(ResultsKind::kFrequencyLg, 1, radians),
            "   i\t  lg w  \t  A1(lg w)\t fi1(lg w), рад");
  EXPECT_EQ(TextHeading(ResultsKind::kFrequencyLgDb, 1, hertz_degrees),
            "   i\t  lg f  \t  L1(lg f), дБ\t fi1(lg f), гр");
}

TEST(TableHeadings, EveryKindWithItsUnits) {
  EXPECT_EQ(TableHeadings(ResultsKind::kTimeRun, 2, {}),
            (std::vector<std::string>{"   i", "      t", "     vp=1", "     vp=2"}));
  EXPECT_EQ(TableHeadings(ResultsKind::kPhasePortrait, 2, {}),
            (std::vector<std::string>{"   i", "      t", "   x(vp=1)", "   y(vp=2)"}));
  EXPECT_EQ(TableHeadings(ResultsKind::kHodograph, 1, {true, false}),
            (std::vector<std::string>{"   i", "     f, Гц", "   U1(f)", "   V1(f)"}));
  EXPECT_EQ(TableHeadings(ResultsKind::kFrequencyLinear, 1, {}),
            (std::vector<std::string>{"   i", "    w, рад/с", "   A1(w)", "   fi1(w), рад"}));
  EXPECT_EQ(TableHeadings(ResultsKind::kFrequencyLg, 1, {false, true}),
            (std::vector<std::string>{"   i", "    lg w", "   A1(lg w)", "   fi1(lg w), гр"}));
  EXPECT_EQ(TableHeadings(ResultsKind::kFrequencyLgDb, 1, {}),
            (std::vector<std::string>{"   i", "    lg w", "  L1(lg w), дБ", "   fi1(lg w), рад"}));
}

TEST(ResultsTitle, NamesTheKindOfResults) {
  EXPECT_EQ(ResultsTitle(ResultsKind::kPhasePortrait), "Результаты расчёта фазового портрета");
  EXPECT_EQ(ResultsTitle(ResultsKind::kHodograph), "Результаты расчёта годографа F(jw)=U(w)+jV(w)");
  for (auto kind :
       {ResultsKind::kFrequencyLinear, ResultsKind::kFrequencyLg, ResultsKind::kFrequencyLgDb}) {
    EXPECT_EQ(ResultsTitle(kind), "Результаты расчёта частотных характеристик");
  }
}

TEST(ResultsKindOf, FollowsTheRunAndThePlotCode) {
  RunState run;
  EXPECT_EQ(ResultsKindOf(run, false), ResultsKind::kTimeRun);
  EXPECT_EQ(ResultsKindOf(run, true), ResultsKind::kPhasePortrait);
  run.kind = RunKind::kFrequency;
  const std::pair<int, ResultsKind> cases[] = {{30, ResultsKind::kHodograph},
                                               {0, ResultsKind::kFrequencyLinear},
                                               {11, ResultsKind::kFrequencyLg},
                                               {22, ResultsKind::kFrequencyLgDb},
                                               {20, ResultsKind::kFrequencyLinear},
                                               // Scale digits from a damaged file: the
                                               // plot takes any but 0 for lg w.
                                               {5, ResultsKind::kFrequencyLg},
                                               {-1, ResultsKind::kFrequencyLg}};
  for (const auto& [code, kind] : cases) {
    run.freq_plot_kind = code;
    EXPECT_EQ(ResultsKindOf(run, true), kind) << code;
  }
}

TEST(SelectedPoints, TakesEveryStepUpToTheLastPointOnly) {
  EXPECT_EQ(SelectedPoints({0, 3, 10}, 500), (std::vector<int>{0, 3, 6, 9}));
  EXPECT_EQ(SelectedPoints({0, 10, 10}, 500), (std::vector<int>{0, 10}));
  EXPECT_EQ(SelectedPoints({0, 100, 10}, 500), (std::vector<int>{0}));
  EXPECT_EQ(SelectedPoints({0, 100, 199}, 500), (std::vector<int>{0, 100}));
  EXPECT_EQ(SelectedPoints({4, 0, 6}, 5), (std::vector<int>{4, 5}));
  EXPECT_EQ(SelectedPoints(WholeRange(500), 500).size(), 501u);
}

TEST(ModelCaption, DropsFolderAndExtension) {
  EXPECT_EQ(ModelCaption("/home/u/example1.krt", "no_name             "),
            "Kortiv: example1 : no_name             ");
  EXPECT_EQ(ModelCaption("C:\\models\\Схема.krt", "Модель"), "Kortiv: Схема : Модель");
  EXPECT_EQ(ModelCaption("a.k", "m"), "Kortiv:  : m");
  // Characters, not bytes, of a UTF-8 name.
  EXPECT_EQ(ModelCaption("/tmp/проба.крт", "m"), "Kortiv: проба : m");
  EXPECT_EQ(ModelCaption("Схема12", "m"), "Kortiv: Схе : m");
}

TEST(WriteResultsText, WritesBytesAsTheyAreAndReportsAFileItCannotCreate) {
  const auto path = std::filesystem::temp_directory_path() / "kortiv_results_text_test.txt";
  test::RecordingMessenger messenger;
  ASSERT_TRUE(WriteResultsText(path.string(), "a\r\nб", messenger));
  std::ifstream file(path, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  EXPECT_EQ(content.str(), "a\r\nб");
  std::filesystem::remove(path);

  const std::string folder = std::filesystem::temp_directory_path().string();
  EXPECT_FALSE(WriteResultsText(folder, "x", messenger));
  EXPECT_EQ(messenger.Texts(),
            std::vector<std::string>{"Saving txt: Файл " + folder + " не удаётся создать."});
}

TEST(WriteResultsText, FailedSaveLeavesTheOlderFileAsItWas) {
  const auto folder = std::filesystem::temp_directory_path() / "kortiv_results_text_keep";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const std::string path = (folder / "results.txt").string();
  std::ofstream(path, std::ios::binary) << "older results";
  // The place of the new file is taken, so it cannot be written.
  std::filesystem::create_directory(path + ".saving");
  test::RecordingMessenger messenger;
  EXPECT_FALSE(WriteResultsText(path, "newer", messenger));
  EXPECT_EQ(messenger.Texts(),
            std::vector<std::string>{"Saving txt: Файл " + path + " не удаётся создать."});
  std::ifstream file(path, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  EXPECT_EQ(content.str(), "older results");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace kortiv
