// run MODEL.krt [-o FILE] [--portrait] [--from A] [--to C] [--every B]
//     [--settings Kortiv.usr] [--deriv K] [--ode K] [--hertz] [--degrees]
//     [--no-unwrap] [--yes]
// Analyses and calculates the model (a time or frequency run, or with
// --portrait the phase portrait) and writes the results text of points
// A, A + B, ... <= C to FILE or standard output; frequency results in the
// units and scales of the plot.

#include <charconv>
#include <iostream>
#include <optional>
#include <string>

#include "analysis/analyse_scheme.h"
#include "analysis/chain_graph.h"
#include "calc/calculate_scheme.h"
#include "commands.h"
#include "model/model_file.h"
#include "model/scheme.h"
#include "model/user_settings.h"
#include "model_analysis.h"
#include "results/frequency_results.h"
#include "results/results_text.h"
#include "support/number_format.h"
#include "support/status_bar.h"
#include "support/stream_messenger.h"

namespace kortiv::calc_cli {
namespace {

constexpr const char* kRunUsage =
    "run MODEL.krt [-o FILE] [--portrait] [--from A] [--to C] [--every B] "
    "[--settings Kortiv.usr] [--deriv K] [--ode K] [--hertz] [--degrees] [--no-unwrap] [--yes]";

struct RunOptions {
  std::string model;
  std::string output;  // empty: standard output
  std::string settings;
  bool portrait = false;
  bool yes = false;
  bool hertz = false;
  bool degrees = false;
  bool no_unwrap = false;
  std::optional<int> from, to, every, deriv, ode;
};

std::optional<int> ParseInt(const std::string& text, int minimum, int maximum) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (value < minimum || value > maximum) return std::nullopt;
  return value;
}

// An option that takes a value: where the value goes and its limits.
struct ValueOption {
  const char* name;
  std::string RunOptions::*text = nullptr;
  std::optional<int> RunOptions::*number = nullptr;
  int minimum = 0;
  int maximum = 0;
};

constexpr int kMaxInt = 2147483647;

const ValueOption kValueOptions[] = {
    {"-o", &RunOptions::output},
    {"--settings", &RunOptions::settings},
    {"--from", nullptr, &RunOptions::from, 0, kMaxInt},
    {"--to", nullptr, &RunOptions::to, 0, kMaxInt},
    {"--every", nullptr, &RunOptions::every, 1, kMaxInt},
    {"--deriv", nullptr, &RunOptions::deriv, 0, 2},
    {"--ode", nullptr, &RunOptions::ode, 0, 2},
};

const std::pair<const char*, bool RunOptions::*> kFlags[] = {
    {"--portrait", &RunOptions::portrait},   {"--yes", &RunOptions::yes},
    {"--hertz", &RunOptions::hertz},         {"--degrees", &RunOptions::degrees},
    {"--no-unwrap", &RunOptions::no_unwrap},
};

// Reads one option at args[i], advancing i past its value; false when it is
// not an option of this command or its value is missing or out of range.
bool ParseOption(const Arguments& args, std::size_t& i, RunOptions& options) {
  for (const auto& [name, flag] : kFlags) {
    if (args[i] == name) return options.*flag = true;
  }
  for (const ValueOption& option : kValueOptions) {
    if (args[i] != option.name) continue;
    if (++i == args.size()) return false;
    if (option.text) {
      options.*option.text = args[i];
      return true;
    }
    options.*option.number = ParseInt(args[i], option.minimum, option.maximum);
    return (options.*option.number).has_value();
  }
  if (!options.model.empty() || args[i].starts_with("-")) return false;
  options.model = args[i];
  return true;
}

std::optional<RunOptions> ParseRunOptions(const Arguments& args) {
  RunOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!ParseOption(args, i, options)) return std::nullopt;
  }
  if (options.model.empty()) return std::nullopt;
  return options;
}

// The settings file's preferences (the defaults without one), with the
// options' overrides.
UserSettings RunSettings(const RunOptions& options) {
  UserSettings settings =
      options.settings.empty() ? UserSettings{} : LoadUserSettings(options.settings);
  if (options.deriv) settings.DerivMethod = *options.deriv;
  if (options.ode) settings.OdeMethod = *options.ode;
  if (options.hertz) settings.FreqInHertz = true;
  if (options.degrees) settings.PhaseInDegrees = true;
  if (options.no_unwrap) settings.ExcludeTwoPiJumps = false;
  return settings;
}

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
  const std::string text = ResultsText(source, filter);
  if (options.output.empty()) {
    std::cout << text;
    return kExitDone;
  }
  return WriteResultsText(options.output, text, messenger) ? kExitDone : kExitUsageOrFile;
}

}  // namespace

int RunRun(const Arguments& args) {
  const std::optional<RunOptions> options = ParseRunOptions(args);
  StreamMessenger messenger(std::cerr, options && options->yes);
  if (!options) {
    messenger.Show(std::string("Использование: kortiv-calc ") + kRunUsage);
    return kExitUsageOrFile;
  }
  const UserSettings settings = RunSettings(*options);
  Scheme scheme(messenger);
  const ModelReadResult model = ReadModelFile(options->model, scheme);
  if (!model.ok) return kExitUsageOrFile;

  ChainGraph graph;
  RunState run;
  SilentStatusBar status;
  SilentAnalysisStatus analysis_status;
  CalcContext context{scheme,
                      graph,
                      run,
                      settings,
                      messenger,
                      status,
                      [&] { AnalyseScheme(scheme, graph, messenger, analysis_status); },
                      SystemDecimalSeparator()};
  if (options->portrait) {
    CalculatePhasePortrait(context);
  } else {
    CalculateScheme(context);
  }
  if (!run.results_ready) return kExitRefused;
  // As the plot window does before the table reads them.
  if (run.kind == RunKind::kFrequency) PrepareFrequencyResults(run, settings);
  return WriteResults(*options, model.model_name, run, settings, messenger);
}

}  // namespace kortiv::calc_cli
