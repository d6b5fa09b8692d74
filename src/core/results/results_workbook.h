#pragma once

#include <string>

#include "series/run_state.h"
#include "results/point_filter.h"
#include "results/results_kind.h"

namespace kortiv {

class Messenger;

// What the results sheet shows besides the points themselves.
struct ResultsWorkbookSource {
  const RunState& run;
  ResultsKind kind;
  ResultsUnits units;
  std::string model_path;  // the current file of the model
  std::string model_name;
  std::string date_time;  // the moment of saving, as the user's locale writes it
};

// Writes the results sheet into the workbook `path`: the title block in rows
// 1 to 3, the bold heading row 4 and one row of numbers per chosen point.
// A new file gets a workbook of that one sheet; an existing workbook gets the
// results as its new first sheet and keeps every other sheet with its
// values, texts and formulas. The workbook is written beside and renamed over
// `path`, so a failure reports itself and leaves an existing file as it was.
bool WriteResultsWorkbook(const std::string& path, const ResultsWorkbookSource& source,
                          const PointFilter& filter, Messenger& messenger);

}  // namespace kortiv
