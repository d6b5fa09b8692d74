#include "document/results_export.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "recording_file_chooser.h"
#include "recording_messenger.h"

namespace kortiv {
namespace {

namespace fs = std::filesystem;

class ResultsExportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("kortiv_export_" +
               std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    // Two control points, points 0..2: value v of point j is j + v / 10.
    run_.kind = RunKind::kTime;
    run_.last_point = 2;
    run_.control_points = 2;
    run_.result_store.resize(static_cast<std::size_t>(run_.RowWidth()) * 3);
    for (int j = 0; j <= 2; ++j) {
      run_.ResultAt(j, 0) = j * 0.5f;
      for (int e = 1; e < run_.RowWidth(); ++e) run_.ResultAt(j, e) = j + e / 10.0f;
    }
  }
  void TearDown() override { fs::remove_all(folder_); }

  ExportResult Save(const std::string& name, ExportFilter filter) {
    files_.Answer((folder_ / name).string(), static_cast<int>(filter));
    const ResultsExportSource source{
        run_,     ResultsKind::kTimeRun, {}, "Kortiv: m : модель", "/models/m.krt",
        "модель", "08.12.2026 14:00:00"};
    return SaveResultsData(source, WholeRange(2), files_, messenger_);
  }

  std::string Text(const std::string& name) const {
    std::ifstream in(folder_ / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path folder_;
  RunState run_;
  test::RecordingFileChooser files_;
  test::RecordingMessenger messenger_;
};

TEST_F(ResultsExportTest, SaveDialogOffersTextAndWorkbook) {
  const ResultsExportSource source{run_, ResultsKind::kTimeRun, {}, "c", "", "", ""};
  EXPECT_FALSE(SaveResultsData(source, WholeRange(2), files_, messenger_).saved);
  ASSERT_EQ(files_.requests.size(), 1u);
  const FileRequest& request = files_.requests[0];
  EXPECT_EQ(request.kind, FileRequest::Kind::kSave);
  EXPECT_EQ(request.title, "Сохранить результаты расчёта из таблицы или её части");
  ASSERT_EQ(request.filters.size(), 2u);
  EXPECT_EQ(request.filters[0].description, "Текстовые файлы (*.txt)");
  EXPECT_EQ(request.filters[1].description, "Файлы MS Excel(*.xlsx)");
  EXPECT_EQ(request.default_extension, "txt");
  EXPECT_FALSE(request.overwrite_prompt);
  EXPECT_TRUE(messenger_.entries.empty());
  EXPECT_TRUE(fs::is_empty(folder_));
}

TEST_F(ResultsExportTest, TextNamesGetTheirExtensionWhateverTheCase) {
  EXPECT_EQ(Save("plain", ExportFilter::kText).path, (folder_ / "plain.txt").string());
  EXPECT_EQ(Save("KEPT.TXT", ExportFilter::kText).path, (folder_ / "KEPT.TXT").string());
  EXPECT_EQ(Save("table.csv", ExportFilter::kText).path, (folder_ / "table.csv.txt").string());
  EXPECT_TRUE(fs::exists(folder_ / "plain.txt"));
  EXPECT_TRUE(fs::exists(folder_ / "KEPT.TXT"));
  EXPECT_TRUE(fs::exists(folder_ / "table.csv.txt"));
  EXPECT_TRUE(messenger_.entries.empty());
}

TEST_F(ResultsExportTest, TextFileHasItsHeadingAndOneLinePerPoint) {
  ASSERT_TRUE(Save("r", ExportFilter::kText).saved);
  const std::string text = Text("r.txt");
  EXPECT_TRUE(
      text.starts_with("Kortiv: m : модель     08.12.2026 14:00:00\r\n"
                       "\t\tРезультаты расчёта в контрольных точках vp.\r\n"
                       "   i\t   t    \t vp=1   \t vp=2   \r\n"
                       "   0\t"))
      << text;
  EXPECT_NE(text.find("\r\n   1\t5.0000E-01\t1.1000E+00\t1.2000E+00\r\n   2\t"), std::string::npos);
  EXPECT_FALSE(text.ends_with("\r\n"));
}

TEST_F(ResultsExportTest, ExistingTextFileIsReplacedOnlyWhenTheUserSaysYes) {
  std::ofstream(folder_ / "r.txt") << "older";
  EXPECT_FALSE(Save("r.txt", ExportFilter::kText).saved);
  ASSERT_EQ(messenger_.entries.size(), 1u);
  EXPECT_EQ(messenger_.entries[0].text, "Выбранный txt-файл существует. Переписать его?");
  EXPECT_EQ(messenger_.entries[0].caption, "Подтверждение");
  EXPECT_TRUE(messenger_.entries[0].question);
  EXPECT_EQ(Text("r.txt"), "older");

  messenger_.answers.push_back(true);
  EXPECT_TRUE(Save("r.txt", ExportFilter::kText).saved);
  EXPECT_TRUE(Text("r.txt").starts_with("Kortiv: m : модель"));
}

TEST_F(ResultsExportTest, WorkbookGetsItsExtensionAndTheQuestionToOpenIt) {
  messenger_.answers.push_back(true);
  const ExportResult result = Save("book", ExportFilter::kWorkbook);
  EXPECT_TRUE(result.saved);
  EXPECT_TRUE(result.workbook);
  EXPECT_TRUE(result.open_book);
  EXPECT_EQ(result.path, (folder_ / "book.xlsx").string());
  EXPECT_EQ(Text("book.xlsx").substr(0, 2), "PK");
  ASSERT_EQ(messenger_.entries.size(), 1u);
  EXPECT_EQ(messenger_.entries[0].text, "Открыть книгу в приложении для таблиц?");
  EXPECT_EQ(messenger_.entries[0].caption, "Возник вопрос!");

  // An existing workbook is written into without a question about it.
  const ExportResult again = Save("book.XLSX", ExportFilter::kWorkbook);
  EXPECT_TRUE(again.saved);
  EXPECT_FALSE(again.open_book);
  EXPECT_EQ(again.path, (folder_ / "book.XLSX").string());
  EXPECT_EQ(messenger_.entries.size(), 2u);
}

TEST_F(ResultsExportTest, WorkbookThatCannotBeWrittenAsksNothingMore) {
  const ExportResult result = Save("missing/book", ExportFilter::kWorkbook);
  EXPECT_FALSE(result.saved);
  EXPECT_EQ(messenger_.Texts(), std::vector<std::string>{"Не удалось создать файл Excel " +
                                                         (folder_ / "missing/book.xlsx").string() +
                                                         " или связаться с её листом."});
}

}  // namespace
}  // namespace kortiv
