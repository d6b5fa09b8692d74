// Times the calculation of a long chain and of a feedback contour:
//   build/bin/calc_benchmark
// Counters: points of the run, element models that reported an error
// (0 when every element has its model), and the peak resident memory.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "analysis/chain_graph.h"
#include "calc/calculate_scheme.h"
#include "model/scheme.h"
#include "model/user_settings.h"
#include "support/messenger.h"
#include "support/status_bar.h"

namespace kortiv {
namespace {

constexpr int kStepCode = 101;
constexpr int kLagCode = 204;        // k / (Tp + 1)
constexpr int kSubtractorCode = 13;  // first input +, second -

class CountingMessenger : public Messenger {
 public:
  void Show(std::string_view, std::string_view) override { ++count; }
  bool Ask(std::string_view, std::string_view) override { return true; }
  int count = 0;
};

// A scheme of a unit step and first-order lags, built with its graph by
// hand so that only the calculation is timed.
struct BenchScheme {
  CountingMessenger messenger;
  Scheme scheme{messenger};
  ChainGraph graph;
  UserSettings settings;

  BenchScheme(float h, float tk) {
    scheme.SetParam(0, 0);
    scheme.SetParam(1, h);
    scheme.SetParam(2, tk);
  }

  int Add(int code, std::initializer_list<float> params, int control_point = 0) {
    const int n = scheme.AppendElement(code, 0, {0, scheme.ElementCount()});
    if (params.size() > 0) {
      scheme.AllocateParamBlock(n);
      int i = 0;
      for (float p : params) scheme.SetParam(scheme.GetParamAddress(n) + i++, p);
    }
    if (control_point > 0) scheme.SetControlPoint(n, control_point);
    scheme.RecountControlPoints();
    return n;
  }
  int Lag(int control_point = 0) { return Add(kLagCode, {1, 0.5f, 0}, control_point); }

  void AddRow(ChainGraph::Row row) {
    row.resize(row.size() + 2, 0);
    graph.rows.push_back(std::move(row));
    graph.R = static_cast<int>(graph.rows.size());
  }

  void Calculate(benchmark::State& state) {
    RunState run;
    SilentStatusBar status;
    CalcContext context{scheme, graph, run, settings, messenger, status, {}};
    for (auto _ : state) {
      graph.built = true;
      CalculateScheme(context);
      benchmark::DoNotOptimize(run.result_store.data());
    }
    state.counters["points"] = run.last_point + 1;
    state.counters["model_errors"] = messenger.count;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = usage.ru_maxrss / 1024.0;
  }
};

// A step through 20 lags, the last with a control point, over 10^6 points.
void LongChain(benchmark::State& state) {
  BenchScheme bench(0.00001f, 10);
  ChainGraph::Row row{0, bench.Add(kStepCode, {1, 0}), 21, 2};
  for (int i = 0; i < 19; ++i) row.push_back(bench.Lag());
  row.push_back(bench.Lag(1));
  bench.AddRow(row);
  bench.Calculate(state);
}

// A step into a subtractor whose output runs through a lag and back to its
// subtracted input: a contour of one chain over N points.
void FeedbackContour(benchmark::State& state) {
  const float tk = 5;
  BenchScheme bench(tk / static_cast<float>(state.range(0)), tk);
  bench.AddRow({1, bench.Add(kStepCode, {1, 0}), 1, 2});
  bench.AddRow({0, -1, 1, 0, 0, 0});
  bench.AddRow({2, bench.Add(kSubtractorCode, {}, 1), 2, 4, 1, -3, bench.Lag()});
  bench.graph.K = 2;
  bench.graph.C = 1;
  bench.Calculate(state);
}

BENCHMARK(LongChain)->Unit(benchmark::kMillisecond);
BENCHMARK(FeedbackContour)->Arg(500)->Arg(5000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kortiv

BENCHMARK_MAIN();
