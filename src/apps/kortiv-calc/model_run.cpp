#include "model_run.h"

#include <algorithm>
#include <charconv>
#include <chrono>

#include "document/document.h"
#include "interrupt_signal.h"
#include "series/run_state.h"

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

int CalculateModelFile(const RunOptions& options, const UserSettings& settings, Document& document,
                       bool& interrupted) {
  interrupted = false;
  if (!document.OpenFile(options.model)) return kExitUsageOrFile;
  document.SetSettings(settings);
  // The run goes on a worker while this thread passes its messages on and
  // stops it on Ctrl+C, as the desktop program does on Esc.
  InterruptSignal interrupt;
  RunOutcome outcome = options.portrait ? document.PhasePortrait() : document.Run();
  if (outcome == RunOutcome::kStarted) {
    while (document.PollRun()) {
      if (interrupt.Wait(std::chrono::milliseconds(50))) document.StopRun();
    }
    outcome = document.LastRunProducedResults() ? RunOutcome::kFinished : RunOutcome::kRefused;
  }
  interrupted = interrupt.Received() && outcome != RunOutcome::kFinished;
  return outcome == RunOutcome::kFinished || outcome == RunOutcome::kShowExisting ? kExitDone
                                                                                  : kExitRefused;
}

int ReachedPoint(const RunState& run) {
  if (run.stored_until.size() < 2) return -1;
  return std::min(run.last_point,
                  *std::min_element(run.stored_until.begin() + 1, run.stored_until.end()));
}

}  // namespace kortiv::calc_cli
