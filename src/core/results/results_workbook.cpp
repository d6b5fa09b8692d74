#include "results/results_workbook.h"

#include <xlsxwriter.h>

#include <cstdio>
#include <optional>
#include <set>
#include <vector>

#include "results/results_headings.h"
#include "support/file_io.h"
#include "support/messenger.h"
#include "support/workbook_reader.h"

namespace kortiv {
namespace {

constexpr int kHeadingRow = 3;  // row 4
constexpr double kHeadingHeight = 30;
constexpr lxw_row_t kFirstDataRow = 4;

std::string WithoutLeadingSpaces(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

// A sheet name that none of the kept sheets has.
std::string ResultsSheetName(const std::vector<WorkbookSheet>& kept) {
  std::set<std::string> taken;
  for (const WorkbookSheet& sheet : kept) taken.insert(sheet.name);
  std::string name = "Результаты";
  for (int n = 2; taken.contains(name); ++n) name = "Результаты (" + std::to_string(n) + ")";
  return name;
}

class ResultsSheetWriter {
 public:
  ResultsSheetWriter(lxw_workbook* book, lxw_worksheet* sheet) : sheet_(sheet) {
    centred_ = workbook_add_format(book);
    format_set_align(centred_, LXW_ALIGN_CENTER);
    format_set_align(centred_, LXW_ALIGN_VERTICAL_CENTER);
    heading_ = workbook_add_format(book);
    format_set_bold(heading_);
    format_set_align(heading_, LXW_ALIGN_CENTER);
    format_set_align(heading_, LXW_ALIGN_VERTICAL_CENTER);
  }

  void Write(const ResultsWorkbookSource& source, const PointFilter& filter) {
    WriteTitleBlock(source);
    WriteHeadings(source);
    WriteRows(source.run, filter);
  }

 private:
  void WriteTitleBlock(const ResultsWorkbookSource& source) {
    worksheet_merge_range(sheet_, 0, 0, 0, 1, "Kortiv", centred_);
    worksheet_merge_range(sheet_, 0, 2, 0, 5, source.model_path.c_str(), centred_);
    worksheet_merge_range(sheet_, 1, 0, 1, 1, source.date_time.c_str(), centred_);
    worksheet_merge_range(sheet_, 1, 2, 1, 5, source.model_name.c_str(), centred_);
    const std::string title = ResultsTitle(source.kind) + ".";
    worksheet_merge_range(sheet_, 2, 0, 2, 5, title.c_str(), centred_);
  }

  // The table's headings without their leading spaces: "i", "t", "vp=1", ...
  void WriteHeadings(const ResultsWorkbookSource& source) {
    worksheet_set_row(sheet_, kHeadingRow, kHeadingHeight, heading_);
    const auto headings = TableHeadings(source.kind, source.run.control_points, source.units);
    for (std::size_t c = 0; c < headings.size(); ++c) {
      worksheet_write_string(sheet_, kHeadingRow, static_cast<lxw_col_t>(c),
                             WithoutLeadingSpaces(headings[c]).c_str(), heading_);
    }
  }

  void WriteRows(const RunState& run, const PointFilter& filter) {
    const int entries = run.PerPoint() * run.control_points + 1;  // the argument and the values
    lxw_row_t row = kFirstDataRow;
    ForEachSelectedPoint(filter, run.last_point, [&](int p) {
      worksheet_write_number(sheet_, row, 0, p, nullptr);
      const float* values = run.result_store.data() + static_cast<std::size_t>(run.RowWidth()) * p;
      for (int entry = 0; entry < entries; ++entry) {
        worksheet_write_number(sheet_, row, static_cast<lxw_col_t>(entry + 1), values[entry],
                               nullptr);
      }
      ++row;
    });
  }

  lxw_worksheet* sheet_;
  lxw_format* centred_;
  lxw_format* heading_;
};

void CopyCell(lxw_worksheet* sheet, const WorkbookCell& cell) {
  const auto row = static_cast<lxw_row_t>(cell.row);
  const auto column = static_cast<lxw_col_t>(cell.column);
  if (!cell.formula.empty()) {
    worksheet_write_formula_num(sheet, row, column, cell.formula.c_str(), nullptr, cell.number);
    return;
  }
  switch (cell.kind) {
    case WorkbookCell::Kind::kNumber:
      worksheet_write_number(sheet, row, column, cell.number, nullptr);
      break;
    case WorkbookCell::Kind::kBoolean:
      worksheet_write_boolean(sheet, row, column, cell.number != 0, nullptr);
      break;
    case WorkbookCell::Kind::kText:
    case WorkbookCell::Kind::kError:
      worksheet_write_string(sheet, row, column, cell.text.c_str(), nullptr);
      break;
  }
}

// Writes the whole workbook to `temporary`; false when it cannot be written.
bool WriteWorkbookFile(const std::string& temporary, const ResultsWorkbookSource& source,
                       const PointFilter& filter, const std::vector<WorkbookSheet>& kept) {
  lxw_workbook* book = workbook_new(temporary.c_str());
  if (!book) return false;
  const std::string results_name = ResultsSheetName(kept);
  lxw_worksheet* results = workbook_add_worksheet(book, results_name.c_str());
  bool complete = results != nullptr;
  if (complete) ResultsSheetWriter(book, results).Write(source, filter);
  for (const WorkbookSheet& sheet : kept) {
    lxw_worksheet* copy = workbook_add_worksheet(book, sheet.name.c_str());
    complete = complete && copy != nullptr;
    if (!copy) continue;
    for (const WorkbookCell& cell : sheet.cells) CopyCell(copy, cell);
  }
  const bool closed = workbook_close(book) == LXW_NO_ERROR;
  return complete && closed;
}

}  // namespace

bool WriteResultsWorkbook(const std::string& path, const ResultsWorkbookSource& source,
                          const PointFilter& filter, Messenger& messenger) {
  std::vector<WorkbookSheet> kept;
  const bool existing = FileExists(path);
  if (existing) {
    std::optional<std::vector<WorkbookSheet>> sheets = ReadWorkbook(path);
    if (!sheets) {
      messenger.Show("Не удалось открыть файл Excel " + path + " или связаться с листом.");
      return false;
    }
    kept = std::move(*sheets);
  }
  const std::string temporary = path + ".saving.xlsx";
  if (WriteWorkbookFile(temporary, source, filter, kept) &&
      std::rename(temporary.c_str(), path.c_str()) == 0) {
    return true;
  }
  std::remove(temporary.c_str());
  messenger.Show(existing
                     ? "Не удалось открыть файл Excel " + path + " или связаться с листом."
                     : "Не удалось создать файл Excel " + path + " или связаться с её листом.");
  return false;
}

}  // namespace kortiv
