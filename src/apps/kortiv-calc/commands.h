#pragma once

#include <string>
#include <vector>

namespace kortiv::calc_cli {

using Arguments = std::vector<std::string>;

// Each command takes its arguments (after the command name) and returns the
// process exit code: 0 done, 1 refused by the system's own checks (their
// message shown), 2 a usage or file error.
struct Command {
  const char* name;
  const char* usage;
  int (*run)(const Arguments& args);
};

inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1;
inline constexpr int kExitUsageOrFile = 2;

const std::vector<Command>& Commands();

int RunExample(const Arguments& args);
int RunCopy(const Arguments& args);
int RunInfo(const Arguments& args);
int RunCheck(const Arguments& args);
int RunGraph(const Arguments& args);
int RunRun(const Arguments& args);
int RunSet(const Arguments& args);
#ifdef KORTIV_CALC_WITH_DRAW
int RunScheme(const Arguments& args);
int RunPlot(const Arguments& args);
int RunPrint(const Arguments& args);
#endif

}  // namespace kortiv::calc_cli
