#pragma once

#include <string>
#include <vector>

#include "analysis/analyse_scheme.h"
#include "analysis/chain_graph.h"
#include "analysis/chain_graph_text.h"
#include "model/scheme.h"
#include "recording_messenger.h"
#include "recording_status_bar.h"
#include "scheme_builder.h"

namespace kortiv::test {

// A scheme, its graph and the recorders around one analysis.
struct AnalysisBench {
  RecordingMessenger messages;
  Scheme scheme{messages};
  ChainGraph graph;
  RecordingStatusBar status;

  // Analyses and returns the messages the analysis gave.
  std::vector<std::string> Analyse(const AnalysisHooks& hooks = {}) {
    messages.Clear();
    AnalyseScheme(scheme, graph, messages, status, hooks);
    return messages.Texts();
  }
  std::string Text() const { return ChainGraphText(graph); }
};

}  // namespace kortiv::test
