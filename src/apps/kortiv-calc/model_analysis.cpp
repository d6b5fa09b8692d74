#include "model_analysis.h"

#include <iostream>
#include <string>

#include "analysis/analyse_scheme.h"
#include "analysis/chain_graph.h"
#include "model/model_file.h"
#include "model/scheme.h"
#include "support/status_bar.h"
#include "support/stream_messenger.h"

namespace kortiv::calc_cli {

int AnalyseModelFile(const Arguments& args, std::string_view command, ChainGraph& graph) {
  const bool well_formed = args.size() == 1 || (args.size() == 2 && args[1] == "--yes");
  StreamMessenger messenger(std::cerr, args.size() == 2);
  if (!well_formed) {
    messenger.Show("Использование: kortiv-calc " + std::string(command) + " MODEL.krt [--yes]");
    return kExitUsageOrFile;
  }
  Scheme scheme(messenger);
  if (!ReadModelFile(args[0], scheme).ok) return kExitUsageOrFile;
  SilentStatusBar status;
  AnalyseScheme(scheme, graph, messenger, status);
  return graph.built ? kExitDone : kExitRefused;
}

}  // namespace kortiv::calc_cli
