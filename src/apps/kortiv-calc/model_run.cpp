#include "model_run.h"

#include <algorithm>
#include <charconv>

#include "analysis/analyse_scheme.h"
#include "analysis/chain_graph.h"
#include "calc/calculate_scheme.h"
#include "interrupt_signal.h"
#include "model/model_file.h"
#include "model/scheme.h"
#include "model_analysis.h"
#include "support/number_format.h"
#include "support/status_bar.h"

namespace kortiv::calc_cli {
namespace {

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

// The last point that every control point of an interrupted run reached.
int ReachedPoint(const RunState& run) {
  if (run.stored_until.size() < 2) return -1;
  return *std::min_element(run.stored_until.begin() + 1, run.stored_until.end());
}

}  // namespace

std::optional<RunOptions> ParseRunOptions(const Arguments& args) {
  RunOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!ParseOption(args, i, options)) return std::nullopt;
  }
  if (options.model.empty()) return std::nullopt;
  return options;
}

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

int CalculateModelFile(const RunOptions& options, const UserSettings& settings,
                       Messenger& messenger, RunState& run, std::string& model_name,
                       bool& interrupted) {
  Scheme scheme(messenger);
  const ModelReadResult model = ReadModelFile(options.model, scheme);
  if (!model.ok) return kExitUsageOrFile;
  model_name = model.model_name;

  ChainGraph graph;
  SilentStatusBar status;
  CalcContext context{scheme,
                      graph,
                      run,
                      settings,
                      messenger,
                      status,
                      [&] { AnalyseScheme(scheme, graph, messenger, status); },
                      SystemDecimalSeparator()};
  const InterruptSignal interrupt(run.stop_requested);
  if (options.portrait) {
    CalculatePhasePortrait(context);
  } else {
    CalculateScheme(context);
  }
  interrupted = interrupt.Received() && !run.results_ready;
  if (interrupted) run.last_point = ReachedPoint(run);
  return run.results_ready ? kExitDone : kExitRefused;
}

}  // namespace kortiv::calc_cli
