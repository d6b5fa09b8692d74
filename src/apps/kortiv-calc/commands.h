#pragma once

#include <string>
#include <vector>

namespace kortiv::calc_cli {

using Arguments = std::vector<std::string>;

// Each command takes its arguments (after the command name) and returns the
// process exit code.
struct Command {
  const char* name;
  const char* usage;
  int (*run)(const Arguments& args);
};

const std::vector<Command>& Commands();

}  // namespace kortiv::calc_cli
