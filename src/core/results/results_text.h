#pragma once

#include <ostream>
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

// Writes the text of the results file to `out` line by line as it is
// formatted (a long run's text is larger than memory): the caption with the
// date and time, the table title, the heading line and one line per chosen
// point, each number in exponent form with 5 significant digits. Lines end
// with CR LF, the last one without.
void WriteResultsText(std::ostream& out, const ResultsTextSource& source,
                      const PointFilter& filter);

// The same text as one string, for short results.
std::string ResultsText(const ResultsTextSource& source, const PointFilter& filter);

// Writes the text to a file (UTF-8) beside `path` and renames it over it,
// so a failed save leaves an older file as it was; reports a file that
// cannot be created or written to the end.
bool WriteResultsText(const std::string& path, const ResultsTextSource& source,
                      const PointFilter& filter, Messenger& messenger);

// The same for a text already made.
bool WriteResultsText(const std::string& path, const std::string& text, Messenger& messenger);

// The caption of the main window for an opened model: "Kortiv: " + the
// file name without folder and without its last four characters + " : " +
// the model name.
std::string ModelCaption(const std::string& path, const std::string& model_name);

// The current date and time in the user's short date and long time format.
std::string CurrentDateTimeText();

}  // namespace kortiv
