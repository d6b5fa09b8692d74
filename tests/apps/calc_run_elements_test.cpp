// kortiv-calc run over schemes whose chains hold linear, nonlinear and
// functional elements: feedback loops in time runs, and the frequency
// characteristics of a sweep-generator scheme in the units asked for.

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "calc_runner.h"
#include "scheme_builder.h"

namespace kortiv {
namespace {

using test::WithParams;

class CalcRunElements : public test::CalcRunner {
 protected:
  std::string Model(const std::vector<WithParams>& elements, float h, float tk) {
    const std::string path = (dir / "model.krt").string();
    EXPECT_TRUE(test::WriteModel(path, elements, h, tk));
    return path;
  }

  // The numbers of the result rows (after the caption, title and heading
  // lines): row i holds the point index and then the columns.
  static std::vector<std::vector<double>> Rows(const std::string& text) {
    std::vector<std::vector<double>> rows;
    std::istringstream lines(text);
    std::string line;
    for (int skip = 0; skip < 3 && std::getline(lines, line); ++skip) {
    }
    while (std::getline(lines, line)) {
      std::vector<double> row;
      std::istringstream fields(line);
      std::string field;
      while (std::getline(fields, field, '\t')) row.push_back(std::stod(field));
      rows.push_back(row);
    }
    return rows;
  }

  // A sweep generator over 10^0..10^2 rad/s, 4 points a decade, showing
  // `characteristic` on `scale`, into 2/(p + 1) carrying control point 1.
  std::string AperiodicSweep(int characteristic, int scale) {
    return Model({{{1, 1, 112}, {0, 2, float(characteristic), float(scale), 4}},
                  {{1, 2, 204, 0, 1}, {2, 1, 0}}},
                 0.01f, 5);
  }
};

// The printed results keep five significant digits.
void ExpectPrinted(double printed, double exact, const std::string& what) {
  EXPECT_NEAR(printed, exact, 1e-4 * std::max(1.0, std::abs(exact))) << what;
}

TEST_F(CalcRunElements, IntegratorAndLimiterInAFeedbackLoop) {
  // Step -> subtracting summator -> integrator (Ti = 1) -> limiter (+-0.3,
  // point 1) -> fork, whose turned output runs back along row 2 into the
  // summator's subtracted input.
  const std::string model = Model({{{1, 1, 101}, {1, 0}},
                                   {{1, 2, 13}, {}},
                                   {{1, 3, 201}, {1, 0}},
                                   {{1, 4, 300, 0, 1}, {0.3f, -0.3f, 1}},
                                   {{1, 5, 5}, {}},
                                   {{2, 5, 2, 2}, {}},
                                   {{2, 4, 1, 2}, {}},
                                   {{2, 3, 1, 2}, {}},
                                   {{2, 2, 2, 3}, {}}},
                                  0.1f, 2);
  ASSERT_EQ(Run("run " + model), 0) << err;
  EXPECT_EQ(err, "");
  const auto rows = Rows(out);
  ASSERT_EQ(rows.size(), 21u);
  const double h = 0.1f;
  double integral = 0, error_before = 0, y = 0;
  for (int j = 0; j <= 20; ++j) {
    const double error = 1 - y;  // the loop closes over the previous point
    if (j > 0) integral += h * (error_before + error) / 2;
    error_before = error;
    y = std::clamp(integral, -0.3, 0.3);
    ExpectPrinted(rows[j][2], y, "point " + std::to_string(j));
  }
}

TEST_F(CalcRunElements, AperiodicElementUnderAFunctionOfItsOutput) {
  // Step -> 2/(0.5p + 1) -> x^2 with point 1 on the square.
  const std::string model = Model(
      {{{1, 1, 101}, {1, 0}}, {{1, 2, 204}, {2, 0.5f, 0}}, {{1, 3, 500, 0, 1}, {}}}, 0.01f, 1);
  ASSERT_EQ(Run("run " + model + " --ode 2 --every 20"), 0) << err;
  const auto rows = Rows(out);
  ASSERT_EQ(rows.size(), 6u);
  for (const auto& row : rows) {
    const double exact = 2 * (1 - std::exp(-row[1] / 0.5));
    EXPECT_NEAR(row[2], exact * exact, 2e-3) << row[1];
  }
}

TEST_F(CalcRunElements, AmplitudeAndPhaseInRadiansPerSecondAndRadians) {
  ASSERT_EQ(Run("run " + AperiodicSweep(2, 0)), 0) << err;
  const auto rows = Rows(out);
  ASSERT_EQ(rows.size(), 9u);
  for (const auto& row : rows) {
    const double w = row[1];
    ExpectPrinted(row[2], 2 / std::hypot(1, w), "A at " + std::to_string(w));
    ExpectPrinted(row[3], -std::atan(w), "phi at " + std::to_string(w));
  }
  ExpectPrinted(rows[0][1], 1, "first frequency");
  ExpectPrinted(rows[8][1], 100, "last frequency");
}

TEST_F(CalcRunElements, PhaseInDegreesOverHertz) {
  ASSERT_EQ(Run("run " + AperiodicSweep(1, 0) + " --hertz --degrees"), 0) << err;
  const auto rows = Rows(out);
  ASSERT_EQ(rows.size(), 9u);
  for (const auto& row : rows) {
    const double w = 2 * M_PI * row[1];
    ExpectPrinted(row[3], -std::atan(w) * 180 / M_PI, "phi at " + std::to_string(w));
  }
  // With frequencies in hertz the generator's decades are decades of hertz.
  ExpectPrinted(rows[0][1], 1, "first frequency");
}

TEST_F(CalcRunElements, LogarithmicAmplitudeInDecibelsOverLgW) {
  ASSERT_EQ(Run("run " + AperiodicSweep(0, 2)), 0) << err;
  const auto rows = Rows(out);
  ASSERT_EQ(rows.size(), 9u);
  for (const auto& row : rows) {
    const double w = std::pow(10.0, row[1]);
    ExpectPrinted(row[2], 20 * std::log10(2 / std::hypot(1, w)), "L at " + std::to_string(w));
  }
  ExpectPrinted(rows[4][1], 1, "lg w in the middle");
}

TEST_F(CalcRunElements, DerivativeMethodOptionChoosesTheDifferentiation) {
  // sin t into the differentiator 1 * p with point 1: first differences lag
  // by half a step, the fourth-order formula follows cos t.
  const std::string model = Model({{{1, 1, 100}, {1, 1}}, {{1, 2, 202, 0, 1}, {1}}}, 0.1f, 2);
  ASSERT_EQ(Run("run " + model), 0) << err;
  const auto first_order = Rows(out);
  ASSERT_EQ(Run("run " + model + " --deriv 2"), 0) << err;
  const auto fourth_order = Rows(out);
  ASSERT_EQ(fourth_order.size(), 21u);
  EXPECT_GT(std::abs(first_order[10][2] - std::cos(1.0)), 0.01);
  for (int j = 2; j <= 18; ++j) {
    EXPECT_NEAR(fourth_order[j][2], std::cos(fourth_order[j][1]), 1e-3) << j;
  }
}

TEST_F(CalcRunElements, NoUnwrapLeavesThePhaseWithinHalfATurn) {
  // Three lags 1/(p + 1) over 10^0..10^2 rad/s, 20 points a decade so that
  // neighbouring phases lie close enough to show the turn: the phase reaches
  // -3 atan(100), beyond -pi.
  const std::string model = Model({{{1, 1, 112}, {0, 2, 1, 0, 20}},
                                   {{1, 2, 204}, {1, 1, 0}},
                                   {{1, 3, 204}, {1, 1, 0}},
                                   {{1, 4, 204, 0, 1}, {1, 1, 0}}},
                                  0.01f, 5);
  const double last_phase = -3 * std::atan(100.0);
  ASSERT_EQ(Run("run " + model), 0) << err;
  ExpectPrinted(Rows(out).back()[3], last_phase, "unwrapped");
  ASSERT_EQ(Run("run " + model + " --no-unwrap"), 0) << err;
  ExpectPrinted(Rows(out).back()[3], last_phase + 2 * M_PI, "wrapped");
}

TEST_F(CalcRunElements, YesAcceptsHangingElements) {
  // The linear element at (3, 3) is reached by no chain.
  const std::string model =
      Model({{{1, 1, 101, 0, 1}, {1, 0}}, {{1, 2, 200}, {1}}, {{3, 3, 200}, {1}}}, 0.5f, 1);
  EXPECT_EQ(Run("run " + model), 1);
  EXPECT_EQ(out, "");
  EXPECT_EQ(err, "Подтверждение: В схеме есть 'висящие' элементы! Продолжить расчёт? Нет\n");
  ASSERT_EQ(Run("run " + model + " --yes"), 0) << err;
  EXPECT_EQ(Rows(out).size(), 3u);
}

}  // namespace
}  // namespace kortiv
