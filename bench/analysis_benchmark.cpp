// Times the analysis of a loop of K diamonds (a fork whose two outputs meet
// again in a summator), a loop with 2^K elementary cycles:
//   build/bin/analysis_benchmark
// Counter: contours found (1 when the analysis finishes as it should).

#include <benchmark/benchmark.h>

#include "analysis/analyse_scheme.h"
#include "analysis/chain_graph.h"
#include "diamond_scheme.h"
#include "model/scheme.h"
#include "support/messenger.h"
#include "support/status_bar.h"

namespace kortiv {
namespace {

class CountingMessenger : public Messenger {
 public:
  void Show(std::string_view, std::string_view) override { ++count; }
  bool Ask(std::string_view, std::string_view) override { return true; }
  int count = 0;
};

void DiamondLoop(benchmark::State& state) {
  CountingMessenger messenger;
  Scheme scheme(messenger);
  test::BuildDiamondScheme(scheme, static_cast<int>(state.range(0)));
  SilentStatusBar status;
  ChainGraph graph;
  for (auto _ : state) {
    AnalyseScheme(scheme, graph, messenger, status);
    benchmark::DoNotOptimize(graph.rows.data());
  }
  state.counters["contours"] = graph.C;
  state.counters["messages"] = messenger.count;
}

BENCHMARK(DiamondLoop)->Arg(8)->Arg(12)->Arg(30)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kortiv

BENCHMARK_MAIN();
