#pragma once

#include <string>
#include <vector>

#include "analysis/analyse_scheme.h"
#include "analysis/chain_graph.h"
#include "analysis/chain_graph_text.h"
#include "model/scheme.h"
#include "recording_messenger.h"
#include "scheme_builder.h"

namespace kortiv::test {

// Records the phase texts the analysis shows.
class RecordingStatus : public AnalysisStatus {
 public:
  void ShowPhase(std::string_view text) override { phases.emplace_back(text); }
  std::vector<std::string> phases;
};

// A scheme, its graph and the recorders around one analysis.
struct AnalysisBench {
  RecordingMessenger messages;
  Scheme scheme{messages};
  ChainGraph graph;
  RecordingStatus status;

  // Analyses and returns the messages the analysis gave.
  std::vector<std::string> Analyse(const AnalysisHooks& hooks = {}) {
    messages.Clear();
    AnalyseScheme(scheme, graph, messages, status, hooks);
    return messages.Texts();
  }
  std::string Text() const { return ChainGraphText(graph); }
};

}  // namespace kortiv::test
