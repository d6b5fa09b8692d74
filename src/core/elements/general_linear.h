#pragma once

#include <memory>
#include <span>
#include <vector>

#include "elements/element_params.h"
#include "elements/frequency_gain.h"
#include "series/element_stepper.h"
#include "series/eval_context.h"

namespace kortiv {

inline constexpr const char* kLeadingDenominatorCoefficientMessage =
    "Неверно задан старший коэффициент an знаменателя!";

// The general element 212, W(p) = (b_m p^m + ... + b_0)/(a_n p^n + ... + a_0).
// Its block: m + 0.1, n + 0.1, b_0..b_m, a_0..a_n, y(0)..y^(n-1)(0).
struct GeneralTransfer {
  std::vector<float> b;         // b_0..b_m
  std::vector<float> a;         // a_0..a_n
  std::vector<double> initial;  // y(0)..y^(n-1)(0)

  int NumeratorOrder() const { return static_cast<int>(b.size()) - 1; }
  int DenominatorOrder() const { return static_cast<int>(a.size()) - 1; }
};

// Whether the orders stored in a block of `count` values are non-negative
// and leave room for every coefficient and initial value (a damaged file
// may hold any value there).
bool GeneralOrdersFitBlock(const ElementParams& p, int count);

GeneralTransfer ReadGeneralTransfer(const ElementParams& p);

// Fills y[0..n] of a time run: the equation normalised by a_n, solved by
// SolveOrderN, or the derivative sum of the input when n = 0. A call for
// point 0 alone gives y(0) (the derivative sum at point 0 when n = 0), the
// value the whole series has there. False if the solver refuses.
bool EvaluateGeneralTime(EvalContext& context, const GeneralTransfer& w, int n,
                         std::span<const double> x, Series& y);

// The stepper of EvaluateGeneralTime, or null when its points are not
// computed pointwise (derivatives beyond the first, or the first under a
// DerivMethod with end formulas) or the solver would refuse the equation.
std::unique_ptr<ElementStepper> GeneralTimeStepper(EvalContext& context, const GeneralTransfer& w,
                                                   std::span<const double> x, std::span<double> y);

// b(jw)/a(jw) with the stored coefficients; empty at an exact zero of a(jw).
FrequencyFactor GeneralFrequencyFactor(const GeneralTransfer& w, float omega);

}  // namespace kortiv
