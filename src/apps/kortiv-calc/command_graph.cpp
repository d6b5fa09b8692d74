// graph MODEL.krt [--yes]: analyses the model and prints the counters and
// the rows of the chain graph.

#include <iostream>

#include "analysis/chain_graph.h"
#include "analysis/chain_graph_text.h"
#include "commands.h"
#include "model_analysis.h"

namespace kortiv::calc_cli {

int RunGraph(const Arguments& args) {
  ChainGraph graph;
  const int status = AnalyseModelFile(args, "graph", graph);
  if (status == kExitDone) std::cout << ChainGraphText(graph);
  return status;
}

}  // namespace kortiv::calc_cli
