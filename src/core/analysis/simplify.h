#pragma once

namespace kortiv {

class Messenger;
class Scheme;
struct ChainGraph;

// Shrinks the freshly walked graph: drops the connection pieces from the
// chains, removes fork outputs that carry nothing, folds a fork with one
// used output into the chain that feeds it and merges a summator without
// control point into the summator it feeds directly.
void The_simpler_the_better(ChainGraph& graph, const Scheme& scheme, Messenger& messenger);

}  // namespace kortiv
