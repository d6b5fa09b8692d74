// Times the redraw of a plot of 12 curves of 10^6 points each:
//   QT_QPA_PLATFORM=offscreen build/bin/plot_benchmark

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cmath>

#include "draw/plot_painter.h"
#include "model/user_settings.h"
#include "results/plot_setup.h"
#include "results/plot_state.h"
#include "series/run_state.h"
#include "support/messenger.h"

namespace kortiv {
namespace {

class SilentMessenger : public Messenger {
 public:
  void Show(std::string_view, std::string_view) override {}
  bool Ask(std::string_view, std::string_view) override { return true; }
};

// Control point v holds a damped oscillation of its own frequency with a
// little fast ripple, so that every pixel column meets many values.
void FillTwelveCurves(RunState& run, int last_point) {
  run.kind = RunKind::kTime;
  run.control_points = 12;
  run.last_point = last_point;
  run.result_store.resize(static_cast<std::size_t>(run.RowWidth()) * (last_point + 1));
  for (int j = 0; j <= last_point; ++j) {
    const double t = j * 1e-5;
    run.ResultAt(j, 0) = static_cast<float>(t);
    for (int v = 1; v <= 12; ++v) {
      run.ResultAt(j, v) =
          static_cast<float>(std::exp(-0.2 * t) * std::sin(v * t) + 0.01 * std::sin(j * 0.7));
    }
  }
}

void RedrawTwelveCurves(benchmark::State& state) {
  RunState run;
  FillTwelveCurves(run, 1'000'000);
  PlotState plot;
  SilentMessenger messenger;
  SetUpTimePlot(run, false, plot, messenger);
  UserSettings settings;
  QImage picture(1200, 800, QImage::Format_RGB32);
  for (auto _ : state) {
    PaintPlot(picture, run, plot, settings);
    benchmark::DoNotOptimize(picture.constBits());
  }
}

BENCHMARK(RedrawTwelveCurves)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kortiv

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
