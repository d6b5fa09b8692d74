// Timings of the results table for a run of a million points: opening the
// window (copying the results, the extremes, the first screen of cells) and
// scrolling a page; not a test.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>

#include "model/user_settings.h"
#include "ui/results/results_grid_view.h"
#include "ui/results/table_frm.h"

namespace kortiv {
namespace {

constexpr int kPoints = 1000000;
constexpr int kControlPoints = 5;

const RunState& MillionPointRun() {
  static RunState run;
  if (run.result_store.empty()) {
    run.kind = RunKind::kTime;
    run.last_point = kPoints;
    run.control_points = kControlPoints;
    run.result_store.resize(static_cast<std::size_t>(run.RowWidth()) * (kPoints + 1));
    for (std::size_t i = 0; i < run.result_store.size(); ++i) {
      run.result_store[i] = static_cast<float>(i) * 1.0e-3f;
    }
  }
  return run;
}

// Builds the window as the main window does and paints its first screen.
void BM_OpenTable(benchmark::State& state) {
  for (auto _ : state) {
    TfrmTable table(ResultsSnapshot::Of(MillionPointRun()), ResultsKind::kTimeRun, {},
                    DefaultPlotStyles());
    table.resize(450, 900);
    table.ShowResultsPage();
    benchmark::DoNotOptimize(table.grab());
  }
}
BENCHMARK(BM_OpenTable)->Unit(benchmark::kMillisecond);

// One page down anywhere in the table, painted.
void BM_ScrollPage(benchmark::State& state) {
  TfrmTable table(ResultsSnapshot::Of(MillionPointRun()), ResultsKind::kTimeRun, {},
                  DefaultPlotStyles());
  table.resize(450, 900);
  table.ShowResultsPage();
  QScrollBar* bar = table.grid()->verticalScrollBar();
  int position = 0;
  for (auto _ : state) {
    position = (position + 997 * bar->pageStep()) % bar->maximum();
    bar->setValue(position);
    benchmark::DoNotOptimize(table.grid()->viewport()->grab());
  }
}
BENCHMARK(BM_ScrollPage)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kortiv

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}
