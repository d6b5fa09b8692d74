#include "results/frequency_results.h"

#include <gtest/gtest.h>

#include <cmath>

#include "model/user_settings.h"

namespace kortiv {
namespace {

class FrequencyResults : public ::testing::Test {
 protected:
  RunState run;
  UserSettings settings;

  FrequencyResults() {
    settings.ExcludeTwoPiJumps = false;
    settings.PhaseInDegrees = false;
    settings.FreqInHertz = false;
  }

  // Rows of (w, Re 1, Im 1, Re 2, Im 2, ...).
  void Store(int control_points, int kind, const std::vector<std::vector<float>>& rows) {
    run.kind = RunKind::kFrequency;
    run.control_points = control_points;
    run.freq_plot_kind = kind;
    run.last_point = static_cast<int>(rows.size()) - 1;
    run.result_store.clear();
    run.raw_frequency_results.clear();
    for (const auto& row : rows)
      run.result_store.insert(run.result_store.end(), row.begin(), row.end());
  }
  float At(int j, int entry) { return run.ResultAt(j, entry); }

  // A phase falling steadily by `step` per point, wrapped into (-pi, pi].
  void FallingPhase(int points, double step) {
    std::vector<std::vector<float>> rows;
    for (int j = 0; j < points; ++j) {
      const double phase = -step * j;
      rows.push_back({static_cast<float>(j + 1), static_cast<float>(std::cos(phase)),
                      static_cast<float>(std::sin(phase))});
    }
    Store(1, 10, rows);
  }
};

TEST_F(FrequencyResults, PairsBecomeAmplitudeAndPhase) {
  Store(2, 0, {{1.0f, 3.0f, 4.0f, 0.0f, 0.0f}, {2.0f, -1.0f, 0.0f, 0.0f, -2.0f}});
  PrepareFrequencyResults(run, settings);
  EXPECT_FLOAT_EQ(At(0, 1), 5.0f);
  EXPECT_FLOAT_EQ(At(0, 2), std::atan2(4.0f, 3.0f));
  EXPECT_EQ(At(0, 3), 0.0f);
  EXPECT_EQ(At(0, 4), 0.0f);  // a zero pair has phase 0
  EXPECT_FLOAT_EQ(At(1, 2), static_cast<float>(M_PI));
  EXPECT_FLOAT_EQ(At(1, 3), 2.0f);
  EXPECT_FLOAT_EQ(At(1, 4), static_cast<float>(-M_PI / 2));
  EXPECT_EQ(At(1, 0), 2.0f);  // the frequency stays in rad/s
}

TEST_F(FrequencyResults, NegativeRealAxisHasPhasePiWhateverTheSignOfZero) {
  Store(1, 10, {{1.0f, -2.0f, -0.0f}});
  settings.PhaseInDegrees = true;
  PrepareFrequencyResults(run, settings);
  EXPECT_EQ(At(0, 1), 2.0f);
  EXPECT_FLOAT_EQ(At(0, 2), 180.0f);
}

TEST_F(FrequencyResults, DegreesAndHertz) {
  settings.PhaseInDegrees = true;
  settings.FreqInHertz = true;
  Store(1, 10, {{static_cast<float>(2 * M_PI), 0.0f, 1.0f}});
  PrepareFrequencyResults(run, settings);
  EXPECT_FLOAT_EQ(At(0, 0), 1.0f);
  EXPECT_FLOAT_EQ(At(0, 2), 90.0f);
}

TEST_F(FrequencyResults, DegreesComeFromThePhaseAsStoredInRadians) {
  settings.PhaseInDegrees = true;
  Store(1, 10, {{1.0f, 0.1f, 0.2f}});
  PrepareFrequencyResults(run, settings);
  const auto radians = static_cast<float>(std::atan2(static_cast<double>(0.2f), 0.1f));
  EXPECT_EQ(At(0, 2), static_cast<float>(radians * 57.29577951308));  // 63.4349518
}

TEST_F(FrequencyResults, TurnJumpsAreRemovedAlongTheCurve) {
  FallingPhase(12, 0.9);  // wraps twice between points 3..4 and 7..8
  settings.ExcludeTwoPiJumps = true;
  PrepareFrequencyResults(run, settings);
  for (int j = 0; j < 12; ++j) EXPECT_NEAR(At(j, 2), -0.9 * j, 1e-5) << j;
}

TEST_F(FrequencyResults, TurnJumpsInDegrees) {
  FallingPhase(12, 0.9);
  settings.ExcludeTwoPiJumps = true;
  settings.PhaseInDegrees = true;
  PrepareFrequencyResults(run, settings);
  for (int j = 0; j < 12; ++j) EXPECT_NEAR(At(j, 2), -0.9 * j * 180 / M_PI, 1e-3) << j;
}

TEST_F(FrequencyResults, AJumpBetweenTheFirstTwoPointsMovesThePointZero) {
  // Phases 3.0 then -3.0 (a step of 0.28 through pi): point 0 moves down.
  Store(1, 10,
        {{1, std::cos(3.0f), std::sin(3.0f)},
         {2, std::cos(-3.0f), std::sin(-3.0f)},
         {3, std::cos(-2.9f), std::sin(-2.9f)}});
  settings.ExcludeTwoPiJumps = true;
  PrepareFrequencyResults(run, settings);
  EXPECT_NEAR(At(0, 2), 3.0 - 2 * M_PI, 1e-5);
  EXPECT_NEAR(At(1, 2), -3.0, 1e-5);
  EXPECT_NEAR(At(2, 2), -2.9, 1e-5);
}

TEST_F(FrequencyResults, JumpsStayWhenNotAskedToRemove) {
  FallingPhase(6, 0.9);
  PrepareFrequencyResults(run, settings);
  EXPECT_GT(At(4, 2), 0.0f);  // -3.6 shown as 2.68
}

TEST_F(FrequencyResults, LogarithmicAxesAndDecibels) {
  Store(1, 22, {{100.0f, 10.0f, 0.0f}, {0.0f, 0.0f, 0.0f}, {0.01f, 0.1f, 0.0f}});
  const FrequencyPlotLayout layout = PrepareFrequencyResults(run, settings);
  EXPECT_TRUE(layout.log_frequency);
  EXPECT_TRUE(layout.decibels);
  EXPECT_FLOAT_EQ(At(0, 0), 2.0f);
  EXPECT_FLOAT_EQ(At(0, 1), 20.0f);
  EXPECT_EQ(At(1, 0), -1e10f);
  EXPECT_EQ(At(1, 1), -1e10f);
  EXPECT_FLOAT_EQ(At(2, 0), -2.0f);
  EXPECT_FLOAT_EQ(At(2, 1), -20.0f);
}

TEST_F(FrequencyResults, LogarithmsAreTakenAtFullPrecisionAndRoundedOnce) {
  Store(1, 22, {{3.0f, 2.0f, 0.0f}, {0.7f, 0.3f, 0.0f}});
  PrepareFrequencyResults(run, settings);
  EXPECT_EQ(At(0, 0), static_cast<float>(std::log10(3.0)));
  EXPECT_EQ(At(0, 1), static_cast<float>(20 * std::log10(2.0)));
  EXPECT_EQ(At(1, 0), static_cast<float>(std::log10(static_cast<double>(0.7f))));
  EXPECT_EQ(At(1, 1), static_cast<float>(20 * std::log10(static_cast<double>(0.3f))));
}

TEST_F(FrequencyResults, LgOfHertzWhenBothAreAsked) {
  settings.FreqInHertz = true;
  Store(1, 1, {{static_cast<float>(200 * M_PI), 2.0f, 0.0f}});
  PrepareFrequencyResults(run, settings);
  EXPECT_FLOAT_EQ(At(0, 0), 2.0f);  // lg 100 Hz
  EXPECT_FLOAT_EQ(At(0, 1), 2.0f);  // amplitude stays linear
}

TEST_F(FrequencyResults, HodographKeepsTheComplexPairs) {
  settings.FreqInHertz = true;
  settings.ExcludeTwoPiJumps = true;
  Store(1, 30, {{static_cast<float>(2 * M_PI), -3.0f, 4.0f}});
  const FrequencyPlotLayout layout = PrepareFrequencyResults(run, settings);
  EXPECT_EQ(layout.title, "Годограф");
  EXPECT_FLOAT_EQ(At(0, 0), 1.0f);
  EXPECT_EQ(At(0, 1), -3.0f);
  EXPECT_EQ(At(0, 2), 4.0f);
}

TEST_F(FrequencyResults, SecondPreparationStartsFromTheCalculatedPairs) {
  settings.PhaseInDegrees = true;
  Store(1, 2, {{10.0f, 3.0f, 4.0f}, {100.0f, 0.0f, -0.5f}});
  const std::vector<float> calculated = run.result_store;
  PrepareFrequencyResults(run, settings);
  const std::vector<float> prepared = run.result_store;
  EXPECT_EQ(run.raw_frequency_results, calculated);
  // Made again, the plot finds the same values, not lg of lg or dB of dB.
  PrepareFrequencyResults(run, settings);
  EXPECT_EQ(run.result_store, prepared);
  EXPECT_FLOAT_EQ(At(0, 0), 1.0f);
  EXPECT_FLOAT_EQ(At(0, 1), static_cast<float>(20 * std::log10(5.0)));
  // Other units convert the calculated pairs afresh.
  settings.PhaseInDegrees = false;
  PrepareFrequencyResults(run, settings);
  EXPECT_FLOAT_EQ(At(1, 2), static_cast<float>(-M_PI / 2));
  EXPECT_EQ(run.raw_frequency_results, calculated);
}

TEST_F(FrequencyResults, HodographMadeTwiceConvertsItsFrequenciesOnce) {
  settings.FreqInHertz = true;
  Store(1, 30, {{static_cast<float>(2 * M_PI), -3.0f, 4.0f}});
  PrepareFrequencyResults(run, settings);
  PrepareFrequencyResults(run, settings);
  EXPECT_FLOAT_EQ(At(0, 0), 1.0f);
}

TEST(FrequencyLayoutOf, TitlesAndAxesByPlotKind) {
  struct Case {
    int kind;
    std::string_view title;
    int first, last;
    bool log;
  };
  for (const Case& c : {Case{0, "АЧХ в контрольных точках", 0, 0, false},
                        Case{1, "АЧХ в контрольных точках", 0, 0, true},
                        Case{2, "ЛЧХ в контрольных точках", 0, 0, true},
                        Case{10, "ФЧХ в контрольных точках", 1, 1, false},
                        Case{12, "ФЧХ в контрольных точках", 1, 1, true},
                        Case{20, "АЧХ и ФЧХ в контрольных точках", 0, 1, false},
                        Case{21, "АЧХ и ФЧХ в контрольных точках", 0, 1, true},
                        Case{22, "ЛЧХ и ФЧХ в контрольных точках", 0, 1, true},
                        Case{30, "Годограф", 0, 0, false}}) {
    const FrequencyPlotLayout layout = FrequencyLayout(c.kind);
    EXPECT_EQ(layout.title, c.title) << c.kind;
    EXPECT_EQ(layout.first_axis, c.first) << c.kind;
    EXPECT_EQ(layout.last_axis, c.last) << c.kind;
    EXPECT_EQ(layout.log_frequency, c.log) << c.kind;
    EXPECT_EQ(layout.decibels, c.kind % 10 == 2) << c.kind;
  }
}

}  // namespace
}  // namespace kortiv
