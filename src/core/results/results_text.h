#pragma once

#include <string>

#include "results/point_filter.h"
#include "results/results_kind.h"
#include "series/run_state.h"

namespace kortiv {

class Messenger;

// What the results text file is made of besides the points themselves.
struct ResultsTextSource {
  const RunState& run;
  ResultsKind kind;
  ResultsUnits units;
  std::string caption;    // the main window's caption
  std::string date_time;  // the moment of saving, as the user's locale writes it
  char decimal_separator = '.';
};

// The text of the results file: the caption with the date and time, the
// table title, the heading line and one line per chosen point, each number
// in exponent form with 5 significant digits. Lines end with CR LF, the
// last one without.
std::string ResultsText(const ResultsTextSource& source, const PointFilter& filter);

// Writes the text as it is (UTF-8); reports a file that cannot be created.
bool WriteResultsText(const std::string& path, const std::string& text, Messenger& messenger);

// The caption of the main window for an opened model: "Kortiv: " + the
// file name without folder and without its last four characters + " : " +
// the model name.
std::string ModelCaption(const std::string& path, const std::string& model_name);

// The current date and time in the user's short date and long time format.
std::string CurrentDateTimeText();

}  // namespace kortiv
