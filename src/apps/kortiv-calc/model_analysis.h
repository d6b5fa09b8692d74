#pragma once

#include <string_view>

#include "commands.h"

namespace kortiv {
struct ChainGraph;
}

namespace kortiv::calc_cli {

// For the commands that take "MODEL.krt [--yes]": reads the model and
// analyses it, its messages on standard error; the hanging-element question
// is answered Yes with --yes, else No. Returns kExitDone when the graph is
// built, kExitRefused when the analysis stopped, kExitUsageOrFile after a
// usage or file error.
int AnalyseModelFile(const Arguments& args, std::string_view command, ChainGraph& graph);

}  // namespace kortiv::calc_cli
