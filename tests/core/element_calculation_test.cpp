// The element models inside whole calculations: feedback contours that call
// them point by point, frequency runs through the sweep generator, and the
// built-in example schemes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>

#include "analysis/analyse_scheme.h"
#include "calc/calculate_scheme.h"
#include "calc_fixture.h"
#include "model/builtin_examples.h"
#include "results/frequency_results.h"

namespace kortiv {
namespace {

class ElementCalculation : public ::testing::Test, public test::CalcFixture {
 protected:
  // Row 0 a unit step; row 2, inside a contour, a summator taking the step
  // minus its own output and then `elements`: y(j) = F(1 - y(j - 1)).
  void UnitFeedback(std::vector<int> elements) {
    AddRow(1, Add(101, {1, 0}));
    AddHeader(1, 1);
    AddRow(2, Add(13), {1, -3}, std::move(elements));
  }
};

TEST_F(ElementCalculation, GainInAFeedbackLoopSettlesPointByPoint) {
  SetIntegration(0, 1, 30);
  UnitFeedback({Add(200, {0.5f}, 1)});
  CalculateScheme(context);
  ASSERT_TRUE(run.results_ready);
  float y = 0;
  for (int j = 0; j <= 30; ++j) {
    y = 0.5f * (1 - y);
    EXPECT_FLOAT_EQ(run.ResultAt(j, 1), y) << j;
  }
  EXPECT_NEAR(run.ResultAt(30, 1), 1.0 / 3, 1e-6);
  EXPECT_TRUE(messenger.entries.empty());
}

TEST_F(ElementCalculation, IntegratorAndLimiterInAFeedbackLoop) {
  SetIntegration(0, 0.1f, 3);
  UnitFeedback({Add(201, {1, 0}), Add(300, {0.3f, -0.3f, 1}, 1)});
  CalculateScheme(context);
  ASSERT_TRUE(run.results_ready);
  // The integrator sees the error e(j) = 1 - y(j - 1) of every point so far.
  const double h = 0.1f;
  double integral = 0, error_before = 0, y = 0;
  for (int j = 0; j <= run.last_point; ++j) {
    const double error = 1 - y;
    if (j > 0) integral += h * (error_before + error) / 2;
    error_before = error;
    y = std::clamp(integral, -0.3, 0.3);
    EXPECT_NEAR(run.ResultAt(j, 1), y, 1e-6) << j;
  }
  EXPECT_FLOAT_EQ(run.ResultAt(run.last_point, 1), 0.3f);  // held at the limit
}

TEST_F(ElementCalculation, FrequencyRunGivesTheTransferFunctionInTheChosenUnits) {
  // 10^0 .. 10^2 rad/s, 4 points a decade, through 2/(p + 1).
  AddRow(0, Add(112, {0, 2, 0, 0, 4}), {}, {Add(204, {2, 1, 0}, 1)});
  graph.has_sweep_generator = true;
  CalculateScheme(context);
  ASSERT_TRUE(run.results_ready);
  for (int j = 0; j <= run.last_point; ++j) {
    const double w = run.Moment(j);
    const std::complex<double> y(run.ResultAt(j, 1), run.ResultAt(j, 2));
    EXPECT_NEAR(std::abs(y), 2 / std::hypot(1, w), 1e-6) << j;
    EXPECT_NEAR(std::arg(y), -std::atan(w), 1e-6) << j;
  }
  run.freq_plot_kind = 20;
  settings.PhaseInDegrees = true;
  settings.FreqInHertz = true;
  const std::vector<float> omegas = [this] {
    std::vector<float> w;
    for (int j = 0; j <= run.last_point; ++j) w.push_back(run.Moment(j));
    return w;
  }();
  PrepareFrequencyResults(run, settings);
  for (int j = 0; j <= run.last_point; ++j) {
    EXPECT_NEAR(run.ResultAt(j, 0), omegas[j] / (2 * M_PI), 1e-5) << j;
    EXPECT_NEAR(run.ResultAt(j, 1), 2 / std::hypot(1, omegas[j]), 1e-6) << j;
    EXPECT_NEAR(run.ResultAt(j, 2), -std::atan(omegas[j]) * 180 / M_PI, 1e-4) << j;
  }
}

TEST_F(ElementCalculation, BuiltInExamplesCalculateWithoutComplaint) {
  for (int k = 1; k <= 6; ++k) {
    messenger.Clear();
    LoadBuiltinExample(scheme, k);
    graph = ChainGraph{};
    AnalyseScheme(scheme, graph, messenger, status);
    ASSERT_TRUE(graph.built) << k;
    CalculateScheme(context);
    EXPECT_TRUE(run.results_ready) << k;
    EXPECT_EQ(messenger.Texts(), std::vector<std::string>{}) << k;
    for (float value : run.result_store) ASSERT_TRUE(std::isfinite(value)) << k;
  }
}

}  // namespace
}  // namespace kortiv
