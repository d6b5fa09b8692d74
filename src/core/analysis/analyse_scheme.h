#pragma once

#include "analysis/analysis_hooks.h"

namespace kortiv {

class Messenger;
class Scheme;
class StatusBar;
struct ChainGraph;

// Turns the scheme into the chain graph: census and checks, the walk of
// every chain, the coverage test with the hanging-element question, the
// test for unconnected inputs, simplification, placing, contour search and
// sorting, compaction. Every fault is reported through the messenger and
// stops the analysis; graph.built says whether the graph may be calculated.
// The phase of the work goes to panel 0 of the status bar.
// The analysis may remove control points from hanging elements.
void AnalyseScheme(Scheme& scheme, ChainGraph& graph, Messenger& messenger, StatusBar& status,
                   const AnalysisHooks& hooks = {});

}  // namespace kortiv
