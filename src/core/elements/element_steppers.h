#pragma once

#include <memory>
#include <span>
#include <vector>

#include "elements/numeric_derivatives.h"
#include "elements/ode_solvers.h"
#include "series/element_stepper.h"
#include "series/run_state.h"

namespace kortiv {

// The steppers of the element models, built on the same point formulas as
// their whole-series evaluation. Each writes output point i into `y`, which
// has room for every point of the run.

// A rule(x, y, i) that sets y[i] from x[0..i] and y[0..i-1].
template <typename Rule>
class RuleStepper : public ElementStepper {
 public:
  RuleStepper(Rule rule, std::span<const double> x, std::span<double> y)
      : rule_(std::move(rule)), x_(x), y_(y) {}
  void Step(int i) override { rule_(x_, y_, i); }

 private:
  Rule rule_;
  std::span<const double> x_;
  std::span<double> y_;
};

template <typename Rule>
std::unique_ptr<ElementStepper> MakeRuleStepper(Rule rule, std::span<const double> x,
                                                std::span<double> y) {
  return std::make_unique<RuleStepper<Rule>>(std::move(rule), x, y);
}

// A rule(x, d, y, i) that also reads the first derivative d of the input
// (pointwise DerivMethod only).
template <typename Rule>
class DerivativeRuleStepper : public ElementStepper {
 public:
  DerivativeRuleStepper(Rule rule, RunState& run, std::span<const double> x, std::span<double> y)
      : rule_(std::move(rule)), run_(run), h_(run.h), x_(x), d_(y.size()), y_(y) {}
  void Step(int i) override {
    FirstDerivativeStep(run_, h_, x_, i, d_);
    rule_(x_, std::span<const double>(d_), y_, i);
  }

 private:
  Rule rule_;
  RunState& run_;
  double h_;
  std::span<const double> x_;
  Series d_;
  std::span<double> y_;
};

// y = DerivativeSum(c, x).
class DerivativeSumStepper : public ElementStepper {
 public:
  DerivativeSumStepper(RunState& run, std::vector<float> c, std::span<const double> x,
                       std::span<double> y)
      : sum_(run, std::move(c), x, static_cast<int>(y.size())), y_(y) {}
  void Step(int i) override {
    sum_.Step(i);
    y_[i] = sum_.Values()[i];
  }

 private:
  DerivativeSumSteps sum_;
  std::span<double> y_;
};

// SolveOrder1: y' = DerivativeSum(c, x) - a y from y(0) = y0.
class Order1Stepper : public ElementStepper {
 public:
  Order1Stepper(RunState& run, int ode_method, std::vector<float> c, double y0, float a,
                std::span<const double> x, std::span<double> y)
      : b_(run, std::move(c), x, static_cast<int>(y.size())),
        solver_(run.h, a, ode_method, SeriesValues{b_.Values()}, y),
        y_(y),
        y0_(y0) {}
  void Step(int i) override {
    b_.Step(i);
    if (i == 0) {
      y_[0] = y0_;
    } else {
      solver_.Next(i - 1);
    }
  }

 private:
  DerivativeSumSteps b_;
  Order1Solver<SeriesValues> solver_;
  std::span<double> y_;
  double y0_;
};

// SolveOrderN with the initial values z0 (the leading coefficient checked).
class OrderNStepper : public ElementStepper {
 public:
  OrderNStepper(RunState& run, int ode_method, std::vector<float> a, std::vector<float> b,
                std::vector<double> z0, std::span<const double> x, std::span<double> y)
      : a_(std::move(a)),
        z0_(std::move(z0)),
        rhs_(run, std::move(b), x, static_cast<int>(y.size())),
        solver_(run.h, ode_method, a_, rhs_.Values(), static_cast<int>(y.size())),
        y_(y) {}
  void Step(int i) override {
    rhs_.Step(i);
    if (i == 0) {
      solver_.Start(z0_);
    } else {
      solver_.Next(i - 1);
    }
    y_[i] = solver_.Value(i);
  }

 private:
  std::vector<float> a_;
  std::vector<double> z0_;
  DerivativeSumSteps rhs_;
  OrderNSolver solver_;
  std::span<double> y_;
};

}  // namespace kortiv
