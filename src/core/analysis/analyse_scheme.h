#pragma once

#include "analysis/analysis_status.h"

namespace kortiv {

class Messenger;
class Scheme;
struct ChainGraph;

// Turns the scheme into the chain graph: census and checks, the walk of
// every chain, the coverage test with the hanging-element question, the
// test for unconnected inputs, simplification, placing, contour search and
// sorting, compaction. Every fault is reported through the messenger and
// stops the analysis; graph.built says whether the graph may be calculated.
// The analysis may remove control points from hanging elements.
void AnalyseScheme(Scheme& scheme, ChainGraph& graph, Messenger& messenger, AnalysisStatus& status,
                   const AnalysisHooks& hooks = {});

}  // namespace kortiv
