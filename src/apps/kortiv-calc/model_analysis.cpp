#include "model_analysis.h"

#include <iostream>
#include <string>

#include "analysis/chain_graph.h"
#include "batch_document.h"
#include "support/stream_messenger.h"

namespace kortiv::calc_cli {

int AnalyseModelFile(const Arguments& args, std::string_view command, ChainGraph& graph) {
  const bool well_formed = args.size() == 1 || (args.size() == 2 && args[1] == "--yes");
  StreamMessenger messenger(std::cerr, args.size() == 2);
  if (!well_formed) {
    messenger.Show("Использование: kortiv-calc " + std::string(command) + " MODEL.krt [--yes]");
    return kExitUsageOrFile;
  }
  BatchDocument batch(messenger);
  Document& document = batch.document;
  if (!document.OpenFile(args[0])) return kExitUsageOrFile;
  const bool built = document.Analyse();
  graph = document.graph();
  return built ? kExitDone : kExitRefused;
}

}  // namespace kortiv::calc_cli
