// run MODEL.krt [-o FILE] [--xlsx BOOK.xlsx] [--portrait] [--from A] [--to C]
//     [--every B] [--settings Kortiv.usr] [--deriv K] [--ode K] [--hertz]
//     [--degrees] [--no-unwrap] [--yes]
// Analyses and calculates the model (a time or frequency run, or with
// --portrait the phase portrait) and writes the results text of points
// A, A + B, ... <= C to FILE or, without --xlsx, to standard output; with
// --xlsx the same points go to the workbook as the desktop program writes
// it (into an existing workbook as its new first sheet). Frequency results
// are in the units and scales of the plot.

#include <iostream>
#include <optional>
#include <string>

#include "batch_document.h"
#include "calc/status_texts.h"
#include "commands.h"
#include "model_run.h"
#include "results/frequency_results.h"
#include "results/results_text.h"
#include "results/results_workbook.h"
#include "series/run_state.h"
#include "support/number_format.h"
#include "support/status_bar.h"
#include "support/stream_messenger.h"

namespace kortiv::calc_cli {
namespace {

const std::string kRunUsage =
    std::string("run MODEL.krt [-o FILE] [--xlsx BOOK.xlsx] ") + kRunOptionsUsage;

struct RunRequest {
  RunOptions options;
  std::string workbook;  // --xlsx; empty when not given
};

// Takes --xlsx out of the arguments and reads the rest as run options.
std::optional<RunRequest> ParseRunRequest(const Arguments& args) {
  RunRequest request;
  Arguments rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--xlsx") {
      rest.push_back(args[i]);
    } else if (++i < args.size() && !args[i].empty()) {
      request.workbook = args[i];
    } else {
      return std::nullopt;
    }
  }
  std::optional<RunOptions> options = ParseRunOptions(rest);
  if (!options) return std::nullopt;
  request.options = std::move(*options);
  return request;
}

int WriteResults(const RunRequest& request, const std::string& model_name, const RunState& run,
                 const UserSettings& settings, Messenger& messenger) {
  const RunOptions& options = request.options;
  const ResultsKind kind = ResultsKindOf(run, options.portrait);
  const ResultsUnits units{settings.FreqInHertz, settings.PhaseInDegrees};
  const std::string date_time = CurrentDateTimeText();
  const PointFilter filter{options.from.value_or(0), options.every.value_or(1),
                           options.to.value_or(run.last_point)};
  if (!request.workbook.empty()) {
    const ResultsWorkbookSource book{run, kind, units, options.model, model_name, date_time};
    if (!WriteResultsWorkbook(request.workbook, book, filter, messenger)) return kExitUsageOrFile;
    if (options.output.empty()) return kExitDone;
  }
  const ResultsTextSource source{run,       kind,
                                 units,     ModelCaption(options.model, model_name),
                                 date_time, SystemDecimalSeparator()};
  if (options.output.empty()) {
    WriteResultsText(std::cout, source, filter);
    return kExitDone;
  }
  return WriteResultsText(options.output, source, filter, messenger) ? kExitDone : kExitUsageOrFile;
}

}  // namespace

int RunRun(const Arguments& args) {
  const std::optional<RunRequest> request = ParseRunRequest(args);
  StreamMessenger messenger(std::cerr, request && request->options.yes);
  if (!request) {
    messenger.Show("Использование: kortiv-calc " + kRunUsage);
    return kExitUsageOrFile;
  }
  const UserSettings settings = RunSettings(request->options);
  BatchDocument batch(messenger);
  Document& document = batch.document;
  bool interrupted = false;
  const int calculated = CalculateModelFile(request->options, settings, document, interrupted);
  if (interrupted && document.StoppedRun()) {
    // What the run reached is written all the same.
    messenger.Show(kInterruptedText);
    RunState& stopped = *document.StoppedRun();
    stopped.last_point = ReachedPoint(stopped);
    if (stopped.kind == RunKind::kFrequency) PrepareFrequencyResults(stopped, settings);
    const int written = WriteResults(*request, document.model_name(), stopped, settings, messenger);
    return written == kExitDone ? kExitRefused : written;
  }
  if (calculated != kExitDone) return calculated;
  RunState& run = *document.results();
  // As the plot window does before the table reads them.
  if (run.kind == RunKind::kFrequency) PrepareFrequencyResults(run, settings);
  return WriteResults(*request, document.model_name(), run, settings, messenger);
}

}  // namespace kortiv::calc_cli
