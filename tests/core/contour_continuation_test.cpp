// A feedback contour continued from point to point gives exactly what
// re-running its chains from point 0 at every point gives: results, chain
// outputs, progress texts, messages and divergence, for every element kind
// under every numerical method.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "calc/calculate_scheme.h"
#include "calc/chain_steps.h"
#include "calc_fixture.h"
#include "elements/element_models.h"

namespace kortiv {
namespace {

struct ElementCase {
  int code;
  std::vector<float> params;
};

// Every element kind of the chains, with parameters that keep a loop busy;
// the general element in each of its forms.
const std::vector<ElementCase>& ElementCases() {
  static const std::vector<ElementCase> cases = {
      {200, {0.8f}},
      {201, {2, 0.1f}},
      {202, {0.002f}},
      {203, {0.3f}},
      {204, {1.5f, 0.4f, 0.2f}},
      {205, {0.5f, 0.1f}},
      {206, {0.3f, 0.5f, 0.1f}},
      {207, {1, 0.2f, 0.5f, 0}},
      {208, {1, 0.5f, 0.1f, 0}},
      {209, {1, 0.5f, 0.1f, 0.2f}},
      {210, {1, 0.3f, 0.6f, 0, 0.1f}},
      {211, {1, 0.4f, 0.3f, 0.1f, 0}},
      {212, {0.1f, 1.1f, 2, 1, 0.5f, 0.3f}},        // 2 / (0.5p + 1)
      {212, {1.1f, 1.1f, 1, 0.2f, 1, 0.5f, 0}},     // (0.2p + 1) / (0.5p + 1)
      {212, {1.1f, 0.1f, 1, 0.1f, 2}},              // (0.1p + 1) / 2
      {212, {2.1f, 0.1f, 1, 0.1f, 0.01f, 1}},       // a second derivative
      {212, {0.1f, 2.1f, 1, 1, 0.8f, 1, 0.1f, 0}},  // second order
      {213, {1, 2, 0.01f, 0.1f}},
      {214, {1, 2, 0.01f, 0.1f}},
      {300, {0.5f, -0.5f, 1}},
      {301, {-0.1f, 0.1f, 1}},
      {302, {-0.8f, -0.1f, 0.1f, 0.8f, 1}},
      {303, {0.1f, 1, 0}},
      {304, {-0.8f, 0.8f, 0.1f, 1, 0}},
      {305, {-1, 1}},
      {306, {-1, 1, -0.2f, 0.2f}},
      {307, {-1, 1, -0.2f, 0.2f, -1}},
      {308, {-0.6f, -0.2f, 0.2f, 0.6f, 0}},
      {500, {}},
      {501, {}},
      {502, {}},
      {503, {1.5f}},
      {504, {}},
      {505, {}},
      {506, {-0.5f}},
      {507, {}},
  };
  return cases;
}

// What a run leaves behind, compared bit for bit.
struct RunOutcome {
  std::vector<float> results;
  std::vector<double> chains;
  std::vector<std::string> phases;
  std::vector<std::string> messages;
  int last_point = 0;
  bool diverged_reported = false;
};

bool SameBits(const RunOutcome& a, const RunOutcome& b) {
  return a.results.size() == b.results.size() && a.chains.size() == b.chains.size() &&
         std::memcmp(a.results.data(), b.results.data(), a.results.size() * sizeof(float)) == 0 &&
         std::memcmp(a.chains.data(), b.chains.data(), a.chains.size() * sizeof(double)) == 0;
}

// A step into a subtractor, the element under test, and back through a fork
// with a lag: two chains in one contour, control points on the element, the
// lag and the subtractor.
class LoopRun : public test::CalcFixture {
 public:
  LoopRun(const ElementCase& element, int deriv_method, int ode_method, float tk = 2) {
    SetIntegration(0, 0.01f, tk);
    settings.DerivMethod = deriv_method;
    settings.OdeMethod = ode_method;
    AddRow(1, Add(101, {1, 0}));
    AddHeader(1, 2);
    AddRow(2, Add(13, {}, 3), {1, -4}, {Add(element.code, element.params, 1)});
    AddRow(3, Add(5), {3}, {Add(204, {0.9f, 0.3f, 0}, 2)});
  }

  RunOutcome Run(bool continued) {
    context.continue_contours = continued;
    status.phase_history.clear();
    messenger.entries.clear();
    CalculateScheme(context);
    RunOutcome outcome{
        run.result_store, run.data_chains, status.phase_history, {}, run.last_point, false};
    for (const auto& entry : messenger.entries) outcome.messages.push_back(entry.text);
    return outcome;
  }
};

void ExpectSameOutcome(const ElementCase& element, int deriv_method, int ode_method, float tk = 2) {
  SCOPED_TRACE("element " + std::to_string(element.code) + ", DerivMethod " +
               std::to_string(deriv_method) + ", OdeMethod " + std::to_string(ode_method));
  LoopRun loop(element, deriv_method, ode_method, tk);
  const RunOutcome rerun = loop.Run(false);
  const RunOutcome continued = loop.Run(true);
  EXPECT_TRUE(SameBits(rerun, continued));
  EXPECT_EQ(rerun.phases, continued.phases);
  EXPECT_EQ(rerun.messages, continued.messages);
  EXPECT_EQ(rerun.last_point, continued.last_point);
}

TEST(ContourContinuation, EveryElementKindUnderEveryMethodMatchesTheRerun) {
  for (const ElementCase& element : ElementCases()) {
    for (int deriv_method = 0; deriv_method <= 2; ++deriv_method) {
      for (int ode_method = 0; ode_method <= 2; ++ode_method) {
        ExpectSameOutcome(element, deriv_method, ode_method);
      }
    }
  }
}

// A derivative in the loop amplifies the step at every point until the run
// is cut short: the same last point, message and stored values.
TEST(ContourContinuation, DivergenceInsideTheLoopMatchesTheRerun) {
  const ElementCase derivative{202, {1}};
  ExpectSameOutcome(derivative, 0, 1);
  LoopRun loop(derivative, 0, 1);
  const RunOutcome continued = loop.Run(true);
  EXPECT_LT(continued.last_point, 200);
  ASSERT_FALSE(continued.messages.empty());
  EXPECT_NE(continued.messages.back().find("расходимости"), std::string::npos);
}

// The property behind the continuation, element by element: a whole-series
// evaluation over 0..n agrees at every point with the steps up to n; and
// exactly the elements whose formulas change near the end of a series (the
// derivatives under DerivMethod 1 and 2, second derivatives) have no
// stepper.
class ElementSteps : public test::CalcFixture {
 public:
  explicit ElementSteps(const ElementCase& element, int deriv_method, int ode_method) {
    settings.DerivMethod = deriv_method;
    settings.OdeMethod = ode_method;
    element_ = Add(element.code, element.params);
    AddRow(1, Add(101, {1, 0}));
    PrepareRun(RunKind::kTime, kLast, 0, 0.05f);
    for (int i = 0; i <= kLast; ++i) input_.push_back(std::sin(0.3 * i) + 0.01 * i * i);
  }

  // An input that leaps by 1e10 at point `at`: its first difference there is
  // far beyond the divergence bound.
  void LeapAt(int at) {
    for (int i = 0; i <= kLast; ++i) input_[i] = i < at ? 0.0 : 1e10;
  }

  // LastPoint after the steps 0..n, or after one whole-series call over
  // 0..n, from a run that has not diverged.
  int LastPointAfterSteps(int n) {
    ResetDivergence();
    Series stepped(kLast + 1);
    auto stepper = MakeElementStepper(context, element_, input_, stepped);
    for (int i = 0; i <= n; ++i) stepper->Step(i);
    return run.last_point;
  }
  int LastPointAfterWholeSeries(int n) {
    ResetDivergence();
    Series input = input_;
    Series whole(kLast + 1);
    EvaluateElement(context, element_, n, input, whole);
    return run.last_point;
  }

  bool HasStepper() {
    Series output(kLast + 1);
    return MakeElementStepper(context, element_, input_, output) != nullptr;
  }

  // Number of points n at which the whole-series evaluation differs from
  // the steps.
  int Disagreements() {
    Series stepped(kLast + 1);
    auto stepper = MakeElementStepper(context, element_, input_, stepped);
    if (!stepper) return -1;
    for (int i = 0; i <= kLast; ++i) stepper->Step(i);
    int disagreements = 0;
    for (int n = 0; n <= kLast; ++n) {
      Series input = input_;
      Series whole(kLast + 1);
      EXPECT_TRUE(EvaluateElement(context, element_, n, input, whole));
      if (std::memcmp(whole.data(), stepped.data(), (n + 1) * sizeof(double)) != 0) {
        ++disagreements;
      }
    }
    return disagreements;
  }

 private:
  void ResetDivergence() {
    run.last_point = kLast;
    run.diverged = false;
  }

  static constexpr int kLast = 40;
  int element_ = 0;
  Series input_;
};

TEST(ContourContinuation, StepsFindADivergenceWhereAWholeSeriesFindsIt) {
  for (int leap : {1, 2, 3, 7}) {
    for (int n : {0, 1, 2, 3, 6, 12}) {
      ElementSteps steps({202, {1}}, 0, 1);
      steps.LeapAt(leap);
      EXPECT_EQ(steps.LastPointAfterSteps(n), steps.LastPointAfterWholeSeries(n))
          << "leap at " << leap << ", n = " << n;
    }
  }
}

bool NeedsEndFormulas(const ElementCase& element, int deriv_method) {
  const bool first_derivative = element.code == 202 || element.code == 205 || element.code == 206 ||
                                element.code == 207 || element.code == 213 || element.code == 214 ||
                                (element.code == 212 && element.params[0] == 1.1f);
  const bool second_derivative = element.code == 212 && element.params[0] == 2.1f;
  return second_derivative || (first_derivative && deriv_method != 0);
}

TEST(ContourContinuation, StepsAgreeWithWholeSeriesWhereverAnElementHasThem) {
  for (const ElementCase& element : ElementCases()) {
    for (int deriv_method = 0; deriv_method <= 2; ++deriv_method) {
      for (int ode_method = 0; ode_method <= 2; ++ode_method) {
        SCOPED_TRACE("element " + std::to_string(element.code) + ", DerivMethod " +
                     std::to_string(deriv_method) + ", OdeMethod " + std::to_string(ode_method));
        ElementSteps steps(element, deriv_method, ode_method);
        EXPECT_EQ(steps.HasStepper(), !NeedsEndFormulas(element, deriv_method));
        if (steps.HasStepper()) EXPECT_EQ(steps.Disagreements(), 0);
      }
    }
  }
}

}  // namespace
}  // namespace kortiv
