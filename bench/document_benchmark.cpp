// Times what the desktop program does between two frames:
//   build/bin/document_benchmark
// an edit with its undo snapshot, undo and redo on a scheme of 60 elements,
// and how long a stop request takes to end a run on the worker (a feedback
// loop of a million points, which the worker never finishes by itself).

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "document/document.h"
#include "document/file_chooser.h"
#include "document/text_input.h"
#include "support/messenger.h"

namespace kortiv {
namespace {

class YesMessenger : public Messenger {
 public:
  void Show(std::string_view, std::string_view) override {}
  bool Ask(std::string_view, std::string_view) override { return true; }
};

struct BenchDocument {
  YesMessenger messenger;
  NoFileChooser files;
  NoTextInput text_input;
  Document doc{messenger, files, text_input};
};

// Sixty lags with parameters on a 6 x 10 patch.
void FillSixty(Document& doc) {
  for (int row = 0; row < 6; ++row) {
    for (int column = 0; column < 10; ++column) {
      const int n = doc.PlaceElement(204, {row, column}, OnOccupied::kRefuse);
      doc.ApplyEdit([n](Scheme& scheme) {
        scheme.AllocateParamBlock(n);
        return true;
      });
    }
  }
}

void BM_RotateWithUndoStep(benchmark::State& state) {
  BenchDocument bench;
  FillSixty(bench.doc);
  for (auto _ : state) bench.doc.Rotate({3, 3}, Rotation::kClockwise);
}
BENCHMARK(BM_RotateWithUndoStep);

void BM_UndoAndRedo(benchmark::State& state) {
  BenchDocument bench;
  FillSixty(bench.doc);
  for (auto _ : state) {
    bench.doc.Undo();
    bench.doc.Redo();
  }
}
BENCHMARK(BM_UndoAndRedo);

// From StopRun to the results handed over, once the worker calculates.
void BM_StopLatency(benchmark::State& state) {
  BenchDocument bench;
  bench.doc.LoadExample(5);
  bench.doc.ApplyEdit([](Scheme& scheme) {
    scheme.SetParam(1, 1e-4f);
    scheme.SetParam(2, 100.0f);
    return true;
  });
  for (auto _ : state) {
    state.PauseTiming();
    bench.doc.Run();
    while (!bench.doc.StatusTexts()[0].starts_with("Идёт расчёт схемы")) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    state.ResumeTiming();
    bench.doc.StopRun();
    bench.doc.FinishRun();
  }
}
BENCHMARK(BM_StopLatency)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace kortiv

BENCHMARK_MAIN();
