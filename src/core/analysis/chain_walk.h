#pragma once

#include <vector>

namespace kortiv {

class Messenger;
class Scheme;
struct ChainGraph;

// What the scheme is made of, in element-number order.
struct SchemeCensus {
  std::vector<int> sources;    // 100..199
  std::vector<int> forks;      // 5..8
  std::vector<int> junctions;  // summators and multipliers, 9..20
  int crossings = 0;
  int three_output_forks = 0;
  bool has_sweep_generator = false;
  bool has_code_300_or_more = false;
  // Elements whose kind takes parameters and that have none yet.
  int missing_params = 0;
  int first_missing_params = 0;  // the first of them by number, 0: none
};

SchemeCensus TakeCensus(const Scheme& scheme);

// Sets the counters S, F, F3, M, X and the sweep-generator flag.
void CountCensus(const SchemeCensus& census, ChainGraph& graph);

// Makes the initial rows of the census (sources, fork outputs, summators,
// each with L = 1) and walks every chain through the cells. Returns false
// after reporting a fault that stops the analysis.
bool BuildChains(const Scheme& scheme, const SchemeCensus& census, ChainGraph& graph,
                 Messenger& messenger);

}  // namespace kortiv
