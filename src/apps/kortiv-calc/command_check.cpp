// check MODEL.krt [--yes]: analyses the model; "Схема корректна." when the
// graph could be built.

#include <iostream>

#include "analysis/chain_graph.h"
#include "commands.h"
#include "model_analysis.h"

namespace kortiv::calc_cli {

int RunCheck(const Arguments& args) {
  ChainGraph graph;
  const int status = AnalyseModelFile(args, "check", graph);
  if (status == kExitDone) std::cout << "Схема корректна.\n";
  return status;
}

}  // namespace kortiv::calc_cli
