#pragma once

#include <optional>
#include <string>

#include "commands.h"
#include "model/user_settings.h"

namespace kortiv {
class Document;
struct RunState;
}  // namespace kortiv

namespace kortiv::calc_cli {

// The options that the commands calculating a model share.
inline constexpr const char* kRunOptionsUsage =
    "[--portrait] [--from A] [--to C] [--every B] [--settings Kortiv.usr] [--deriv K] "
    "[--ode K] [--hertz] [--degrees] [--no-unwrap] [--yes]";

struct RunOptions {
  std::string model;
  std::string output;  // -o; empty when not given
  std::string settings;
  bool portrait = false;
  bool yes = false;
  bool hertz = false;
  bool degrees = false;
  bool no_unwrap = false;
  std::optional<int> from, to, every, deriv, ode;
};

// Reads MODEL.krt and the options; nothing when an option is unknown, its
// value is missing or out of range, or the model is not named.
std::optional<RunOptions> ParseRunOptions(const Arguments& args);

// The settings file's preferences (the defaults without one), with the
// options' overrides.
UserSettings RunSettings(const RunOptions& options);

// Opens the model in the document, analyses and calculates it (the phase
// portrait with --portrait), its messages through the document's messenger.
// Returns kExitDone with the results in the document, kExitRefused when the
// calculation gave no results, kExitUsageOrFile when the model could not be
// read. Ctrl+C stops the calculation: then `interrupted` is set and the
// document's stopped run holds what it reached.
int CalculateModelFile(const RunOptions& options, const UserSettings& settings, Document& document,
                       bool& interrupted);

// The last point that every control point of a stopped run reached; -1
// when one reached none.
int ReachedPoint(const RunState& run);

}  // namespace kortiv::calc_cli
