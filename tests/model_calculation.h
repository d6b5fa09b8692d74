#pragma once

// Calculates a model file in the test's own process, as the programs do.
#include <string>

#include "analysis/analyse_scheme.h"
#include "analysis/chain_graph.h"
#include "calc/calc_context.h"
#include "calc/calculate_scheme.h"
#include "series/run_state.h"
#include "model/model_file.h"
#include "model/scheme.h"
#include "model/user_settings.h"
#include "support/messenger.h"
#include "support/number_format.h"
#include "support/status_bar.h"

namespace kortiv::test {

// True when the model was read and calculated (its phase portrait with
// `portrait`) with results in `run`.
inline bool CalculateModel(const std::string& path, const UserSettings& settings, bool portrait,
                           RunState& run, Messenger& messenger) {
  Scheme scheme(messenger);
  if (!ReadModelFile(path, scheme).ok) return false;
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
  if (portrait) {
    CalculatePhasePortrait(context);
  } else {
    CalculateScheme(context);
  }
  return run.results_ready;
}

}  // namespace kortiv::test
