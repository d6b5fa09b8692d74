// Whatever a run reached before it was cut, its outputs show numbers only:
// no INF and no NAN in the results text or the plot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>
#include <string>

#include "calc/calculate_scheme.h"
#include "calc_fixture.h"
#include "results/frequency_results.h"
#include "results/plot_decor.h"
#include "results/plot_frame.h"
#include "results/plot_setup.h"
#include "results/plot_state.h"
#include "results/results_text.h"

namespace kortiv {
namespace {

constexpr float kFloatMax = std::numeric_limits<float>::max();

bool ShowsInfOrNan(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

class RunawayOutputs : public ::testing::Test, public test::CalcFixture {
 protected:
  // A step into an aperiodic element with T = 0.004 at h = 0.01 (control
  // point 1) and the same doubled (control point 2).
  void CalculateUnstableLag() {
    SetIntegration(0, 0.01f, 5);
    AddRow(1, Add(101, {1, 0}), {}, {Add(204, {1, 0.004f, 0}, 1)});
    AddRow(0, Add(5), {1}, {Add(200, {-2}, 2)});
    CalculateScheme(context);
    ASSERT_TRUE(run.results_ready);
    ASSERT_LT(run.last_point, 500);
  }

  std::string Text(ResultsKind kind) {
    const ResultsTextSource source{run, kind, {}, "c", "d"};
    return ResultsText(source, WholeRange(run.last_point));
  }

  std::vector<std::string> PlotLabels(bool portrait) {
    PlotState state;
    PreparePlot(run, settings, portrait, state, messenger);
    const PlotFrame frame(640, 400, state);
    std::vector<std::string> texts;
    for (const Label& label : LayOutDecor(frame, state, true, '.').labels) {
      texts.push_back(label.text);
    }
    return texts;
  }
};

TEST_F(RunawayOutputs, ResultsTextOfACutRunShowsNumbersOnly) {
  CalculateUnstableLag();
  const std::string text = Text(ResultsKind::kTimeRun);
  EXPECT_FALSE(ShowsInfOrNan(text)) << text.substr(text.size() - 300);
  EXPECT_NE(text.find("E+38"), std::string::npos);  // the run went as far as it could
  EXPECT_FALSE(ShowsInfOrNan(Text(ResultsKind::kPhasePortrait)));
}

TEST_F(RunawayOutputs, PlotOfACutRunLabelsItsAxesWithNumbers) {
  CalculateUnstableLag();
  messenger.Clear();
  for (bool portrait : {false, true}) {
    const auto labels = PlotLabels(portrait);
    EXPECT_GT(labels.size(), 4u);
    for (const std::string& label : labels) EXPECT_FALSE(ShowsInfOrNan(label)) << label;
  }
  EXPECT_EQ(messenger.Texts(), std::vector<std::string>{});
}

// Re and Im at the edge of the float range, and the resonance values, give
// amplitudes, decibels and phases that are numbers in every plot kind.
TEST_F(RunawayOutputs, FrequencyResultsAtTheEdgeOfTheRangeStayNumbers) {
  Add(200, {1}, 1);
  const float pairs[][2] = {{kFloatMax, kFloatMax},
                            {-kFloatMax, kFloatMax},
                            {1e30f, -1e30f},
                            {0, 0},
                            {-1e30f, 0},
                            {1, 1}};
  for (int plot_kind : {0, 1, 2, 10, 12, 20, 22, 30}) {
    SCOPED_TRACE(plot_kind);
    PrepareRun(RunKind::kFrequency, 5);
    run.freq_plot_kind = plot_kind;
    for (int j = 0; j <= 5; ++j) {
      run.ResultAt(j, 0) = std::pow(10.0f, static_cast<float>(j));
      run.ResultAt(j, 1) = pairs[j][0];
      run.ResultAt(j, 2) = pairs[j][1];
    }
    settings.PhaseInDegrees = plot_kind % 2 == 0;
    const std::vector<std::string> labels = PlotLabels(false);
    for (int j = 0; j <= 5; ++j) {
      for (int e = 0; e < 3; ++e) EXPECT_TRUE(std::isfinite(run.ResultAt(j, e))) << j << e;
    }
    for (const std::string& label : labels) EXPECT_FALSE(ShowsInfOrNan(label)) << label;
    EXPECT_FALSE(ShowsInfOrNan(Text(ResultsKindOf(run, false))));
  }
}

}  // namespace
}  // namespace kortiv
