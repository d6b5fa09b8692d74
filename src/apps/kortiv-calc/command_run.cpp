// run MODEL.krt [-o FILE] [--portrait] [--from A] [--to C] [--every B]
//     [--settings Kortiv.usr] [--deriv K] [--ode K] [--hertz] [--degrees]
//     [--no-unwrap] [--yes]
// Analyses and calculates the model (a time or frequency run, or with
// --portrait the phase portrait) and writes the results text of points
// A, A + B, ... <= C to FILE or standard output; frequency results in the
// units and scales of the plot.

#include <iostream>
#include <optional>
#include <string>

#include "batch_document.h"
#include "calc/status_texts.h"
#include "commands.h"
#include "model_run.h"
#include "results/frequency_results.h"
#include "results/results_text.h"
#include "series/run_state.h"
#include "support/number_format.h"
#include "support/status_bar.h"
#include "support/stream_messenger.h"

namespace kortiv::calc_cli {
namespace {

const std::string kRunUsage = std::string("run MODEL.krt [-o FILE] ") + kRunOptionsUsage;

int WriteResults(const RunOptions& options, const std::string& model_name, const RunState& run,
                 const UserSettings& settings, Messenger& messenger) {
  const ResultsTextSource source{run,
                                 ResultsKindOf(run, options.portrait),
                                 {settings.FreqInHertz, settings.PhaseInDegrees},
                                 ModelCaption(options.model, model_name),
                                 CurrentDateTimeText(),
                                 SystemDecimalSeparator()};
  const PointFilter filter{options.from.value_or(0), options.every.value_or(1),
                           options.to.value_or(run.last_point)};
  if (options.output.empty()) {
    WriteResultsText(std::cout, source, filter);
    return kExitDone;
  }
  return WriteResultsText(options.output, source, filter, messenger) ? kExitDone : kExitUsageOrFile;
}

}  // namespace

int RunRun(const Arguments& args) {
  const std::optional<RunOptions> options = ParseRunOptions(args);
  StreamMessenger messenger(std::cerr, options && options->yes);
  if (!options) {
    messenger.Show("Использование: kortiv-calc " + kRunUsage);
    return kExitUsageOrFile;
  }
  const UserSettings settings = RunSettings(*options);
  BatchDocument batch(messenger);
  Document& document = batch.document;
  bool interrupted = false;
  const int calculated = CalculateModelFile(*options, settings, document, interrupted);
  if (interrupted && document.StoppedRun()) {
    // What the run reached is written all the same.
    messenger.Show(kInterruptedText);
    RunState& stopped = *document.StoppedRun();
    stopped.last_point = ReachedPoint(stopped);
    if (stopped.kind == RunKind::kFrequency) PrepareFrequencyResults(stopped, settings);
    const int written = WriteResults(*options, document.model_name(), stopped, settings, messenger);
    return written == kExitDone ? kExitRefused : written;
  }
  if (calculated != kExitDone) return calculated;
  RunState& run = *document.results();
  // As the plot window does before the table reads them.
  if (run.kind == RunKind::kFrequency) PrepareFrequencyResults(run, settings);
  return WriteResults(*options, document.model_name(), run, settings, messenger);
}

}  // namespace kortiv::calc_cli
