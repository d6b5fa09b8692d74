#pragma once

#include <string>

#include "series/run_state.h"
#include "results/point_filter.h"
#include "results/results_kind.h"

namespace kortiv {

class FileChooser;
class Messenger;

// What the export of results writes besides the points.
struct ResultsExportSource {
  const RunState& run;
  ResultsKind kind;
  ResultsUnits units;
  std::string caption;     // the main window's caption
  std::string model_path;  // the current file of the model
  std::string model_name;
  std::string date_time;
  char decimal_separator = '.';
};

// The save dialog's filter items.
enum class ExportFilter : int { kText = 0, kWorkbook = 1 };

// A text file name ends in ".txt" (any case), else ".txt" is appended; a
// workbook name likewise in ".xlsx".
std::string TextExportName(const std::string& name);
std::string WorkbookExportName(const std::string& name);

struct ExportResult {
  bool saved = false;
  std::string path;        // the file written
  bool workbook = false;   // a workbook was written
  bool open_book = false;  // the user asked to open the workbook
};

// "Сохранить результаты расчёта" after the filter: the save dialog, the
// extension rules, the question before replacing a text file, the text or
// workbook writer, and after a workbook the question whether to open it.
ExportResult SaveResultsData(const ResultsExportSource& source, const PointFilter& filter,
                             FileChooser& files, Messenger& messenger);

}  // namespace kortiv
