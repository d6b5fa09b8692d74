#include "results/results_workbook.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "numbered_run.h"
#include "recording_messenger.h"

namespace kortiv {
namespace {

namespace fs = std::filesystem;

// Runs a Python program with openpyxl (Debian's python3-openpyxl, so the system
// interpreter), an independent reader and writer of
// workbooks, and returns what it prints.
std::string RunPython(const fs::path& folder, const std::string& program) {
  const fs::path script = folder / "probe.py";
  std::ofstream(script) << program;
  std::unique_ptr<FILE, decltype(&pclose)> pipe(
      popen(("/usr/bin/python3 " + script.string() + " 2>&1").c_str(), "r"), pclose);
  std::string output;
  char buffer[4096];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) output += buffer;
  return output;
}

class ResultsWorkbookTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("kortiv_workbook_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    path_ = (folder_ / "results.xlsx").string();
  }
  void TearDown() override { fs::remove_all(folder_); }

  bool Write(const RunState& run, ResultsKind kind, const PointFilter& filter,
             ResultsUnits units = {}) {
    const ResultsWorkbookSource source{
        run, kind, units, "/models/lesson.krt", "Урок 1", "08.12.2026 14:00:00"};
    return WriteResultsWorkbook(path_, source, filter, messenger_);
  }

  // The openpyxl program's preamble: the workbook is `book`, its first sheet `ws`.
  std::string Reader(const std::string& body) const {
    return "import openpyxl\nbook = openpyxl.load_workbook('" + path_ +
           "')\nws = book.worksheets[0]\n" + body;
  }

  fs::path folder_;
  std::string path_;
  test::RecordingMessenger messenger_;
};

TEST_F(ResultsWorkbookTest, TitleBlockMergesAndCentresItsCells) {
  RunState run;
  test::MakeNumberedRun(run, RunKind::kTime, 3, 2);
  ASSERT_TRUE(Write(run, ResultsKind::kTimeRun, WholeRange(3)));
  EXPECT_TRUE(messenger_.entries.empty());
  const std::string out = RunPython(
      folder_, Reader("print(sorted(str(r) for r in ws.merged_cells.ranges))\n"
                      "for a in ['A1', 'C1', 'A2', 'C2', 'A3']: print(a, ws[a].value)\n"
                      "print(ws['A1'].alignment.horizontal, ws['A1'].alignment.vertical)\n"
                      "print(ws['C2'].alignment.horizontal, ws['C2'].alignment.vertical)\n"));
  EXPECT_EQ(out,
            "['A1:B1', 'A2:B2', 'A3:F3', 'C1:F1', 'C2:F2']\n"
            "A1 Kortiv\n"
            "C1 /models/lesson.krt\n"
            "A2 08.12.2026 14:00:00\n"
            "C2 Урок 1\n"
            "A3 Результаты расчёта в контрольных точках vp.\n"
            "center center\n"
            "center center\n");
}

TEST_F(ResultsWorkbookTest, HeadingRowIsBoldCentredAndThirtyHigh) {
  RunState run;
  test::MakeNumberedRun(run, RunKind::kTime, 3, 2);
  ASSERT_TRUE(Write(run, ResultsKind::kTimeRun, WholeRange(3)));
  const std::string out =
      RunPython(folder_, Reader("print(ws.row_dimensions[4].height)\n"
                                "cells = [c for c in ws[4] if c.value is not None]\n"
                                "print([c.value for c in cells])\n"
                                "print(all(c.font.b for c in cells), ws.row_dimensions[4].font.b,"
                                " ws['C4'].alignment.horizontal, ws['C4'].alignment.vertical)\n"
                                "print(ws['A5'].font.b)\n"));
  EXPECT_EQ(out,
            "30.0\n"
            "['i', 't', 'vp=1', 'vp=2']\n"
            "True True center center\n"
            "False\n");
}

TEST_F(ResultsWorkbookTest, ValuesAreNumbersInTheirColumnsForTheChosenPoints) {
  RunState run;
  test::MakeNumberedRun(run, RunKind::kTime, 10, 2);
  ASSERT_TRUE(Write(run, ResultsKind::kTimeRun, PointFilter{0, 3, 10}));
  const std::string out =
      RunPython(folder_, Reader("for row in ws.iter_rows(min_row=5, values_only=True): "
                                "print(row[0], ['%.8g' % v for v in "
                                "row[1:4]])\n"
                                "print(type(ws['A6'].value).__name__, "
                                "type(ws['C6'].value).__name__, ws['C6'].data_type)\n"));
  // The values are the 32-bit floats: 3.1 reads back as 3.0999999.
  EXPECT_EQ(out,
            "0 ['0', '0.1', '0.2']\n"
            "3 ['1.5', '3.0999999', '3.2']\n"
            "6 ['3', '6.0999999', '6.1999998']\n"
            "9 ['4.5', '9.1000004', '9.1999998']\n"
            "int float n\n");
}

TEST_F(ResultsWorkbookTest, FrequencyRunHasTwoColumnsPerControlPoint) {
  RunState run;
  test::MakeNumberedRun(run, RunKind::kFrequency, 1, 2);
  ASSERT_TRUE(Write(run, ResultsKind::kFrequencyLgDb, WholeRange(1), {true, true}));
  const std::string out = RunPython(folder_, Reader("print([c.value for c in ws[4]])\n"
                                                    "print(['%.8g' % c.value for c in ws[6]])\n"));
  EXPECT_EQ(out,
            "['i', 'lg f', 'L1(lg f), дБ', 'fi1(lg f), гр', 'L2(lg f), дБ', 'fi2(lg f), гр']\n"
            "['1', '0.5', '1.1', '1.2', '1.3', '1.4']\n");
}

TEST_F(ResultsWorkbookTest, ExistingWorkbookGetsTheResultsAsItsNewFirstSheet) {
  const std::string made = RunPython(
      folder_,
      "import openpyxl\nbook = openpyxl.Workbook()\nfirst = book.active\nfirst.title = 'Данные'\n"
      "first['A1'] = 'опыт'\nfirst['B2'] = 2.5\nfirst['B3'] = '=B2*2'\nfirst['C1'] = True\n"
      "second = book.create_sheet('Второй')\nsecond['D7'] = 'ещё текст'\nsecond['A1'] = 'опыт'\n"
      "book.save('" +
          path_ + "')\n");
  ASSERT_EQ(made, "");
  RunState run;
  test::MakeNumberedRun(run, RunKind::kTime, 2, 1);
  ASSERT_TRUE(Write(run, ResultsKind::kTimeRun, WholeRange(2)));
  EXPECT_TRUE(messenger_.entries.empty());
  const std::string out = RunPython(
      folder_,
      Reader("print(book.sheetnames)\n"
             "print(ws['A3'].value, ws['C4'].value, '%.8g' % ws['C7'].value)\n"
             "first, second = book.worksheets[1], book.worksheets[2]\n"
             "print(first['A1'].value, first['B2'].value, first['B3'].value, first['C1'].value)\n"
             "print(second['D7'].value, second['A1'].value)\n"));
  EXPECT_EQ(out,
            "['Результаты', 'Данные', 'Второй']\n"
            "Результаты расчёта в контрольных точках vp. vp=1 2.0999999\n"
            "опыт 2.5 =B2*2 True\n"
            "ещё текст опыт\n");
}

TEST_F(ResultsWorkbookTest, SecondSaveIntoTheSameWorkbookAddsAnotherSheet) {
  RunState run;
  test::MakeNumberedRun(run, RunKind::kTime, 2, 1);
  ASSERT_TRUE(Write(run, ResultsKind::kTimeRun, WholeRange(2)));
  ASSERT_TRUE(Write(run, ResultsKind::kTimeRun, PointFilter{1, 1, 2}));
  const std::string out = RunPython(
      folder_,
      Reader("print(book.sheetnames)\n"
             "print(ws['A5'].value, book.worksheets[1]['A5'].value)\n"
             "print(sorted(str(r) for r in book.worksheets[1].merged_cells.ranges) == [])\n"));
  EXPECT_EQ(out, "['Результаты (2)', 'Результаты']\n1 0\nTrue\n");
}

std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST_F(ResultsWorkbookTest, FileThatIsNotAWorkbookIsReportedAndLeftAsItWas) {
  std::ofstream(path_) << "not a workbook";
  RunState run;
  test::MakeNumberedRun(run, RunKind::kTime, 2, 1);
  EXPECT_FALSE(Write(run, ResultsKind::kTimeRun, WholeRange(2)));
  EXPECT_EQ(messenger_.Texts(), std::vector<std::string>{"Не удалось открыть файл Excel " + path_ +
                                                         " или связаться с листом."});
  EXPECT_EQ(FileText(path_), "not a workbook");
  EXPECT_FALSE(fs::exists(path_ + ".saving.xlsx"));
}

TEST_F(ResultsWorkbookTest, WorkbookInAMissingFolderIsReported) {
  path_ = (folder_ / "missing" / "results.xlsx").string();
  RunState run;
  test::MakeNumberedRun(run, RunKind::kTime, 2, 1);
  EXPECT_FALSE(Write(run, ResultsKind::kTimeRun, WholeRange(2)));
  EXPECT_EQ(messenger_.Texts(), std::vector<std::string>{"Не удалось создать файл Excel " + path_ +
                                                         " или связаться с её листом."});
  EXPECT_FALSE(fs::exists(path_));
}

}  // namespace
}  // namespace kortiv
