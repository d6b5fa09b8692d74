#include <optional>

#include "elements/element_models.h"
#include "elements/general_linear.h"
#include "elements/linear_frequency.h"
#include "elements/linear_time.h"
#include "elements/point_count_check.h"
#include "model/catalogue.h"
#include "support/messenger.h"

namespace kortiv {
namespace {

constexpr const char* kLinearCallMessage = "Ошибка вызова линейного элемента!";
constexpr int kFirstLinearCode = 200;
constexpr int kLastLinearCode = 214;

// Orders that do not fit the block leave no leading coefficient to read, so
// they are refused as a zero one is.
// The general element's transfer function, or nothing when its block is
// refused.
std::optional<GeneralTransfer> AcceptedGeneralTransfer(const ElementParams& p, int count) {
  if (!GeneralOrdersFitBlock(p, count)) return std::nullopt;
  GeneralTransfer w = ReadGeneralTransfer(p);
  if (w.a.back() == 0.0f) return std::nullopt;
  return w;
}

bool EvaluateGeneral(EvalContext& context, const ElementParams& p, int count, int n,
                     std::span<const double> x, Series& y) {
  const std::optional<GeneralTransfer> accepted = AcceptedGeneralTransfer(p, count);
  if (!accepted) {
    context.messenger.Show(kLeadingDenominatorCoefficientMessage);
    return false;
  }
  const GeneralTransfer& w = *accepted;
  EnsurePoints(context.run, n, y);
  if (context.run.kind == RunKind::kTime) return EvaluateGeneralTime(context, w, n, x, y);
  ApplyFrequencyFactors(context.run, n, x, y,
                        [&w](float omega) { return GeneralFrequencyFactor(w, omega); });
  return true;
}

}  // namespace

std::unique_ptr<ElementStepper> LinearStepper(EvalContext& context, int element,
                                              std::span<const double> input,
                                              std::span<double> output) {
  const int code = context.scheme.GetCode(element);
  if (context.run.kind != RunKind::kTime || code < kFirstLinearCode || code > kLastLinearCode) {
    return nullptr;
  }
  const ElementParams p(context.scheme, element);
  if (code != kGeneralLinearCode) return LinearTimeStepper(context, code, p, input, output);
  const std::optional<GeneralTransfer> w =
      AcceptedGeneralTransfer(p, context.scheme.GetParamCount(element));
  return w ? GeneralTimeStepper(context, *w, input, output) : nullptr;
}

bool EvaluateLinear(EvalContext& context, int element, int n, const Series& input, Series& output) {
  if (!PointCountAccepted(context, n)) return false;
  const int code = context.scheme.GetCode(element);
  if (code < kFirstLinearCode || code > kLastLinearCode) {
    context.messenger.Show(kLinearCallMessage);
    return false;
  }
  const ElementParams p(context.scheme, element);
  if (code == kGeneralLinearCode) {
    return EvaluateGeneral(context, p, context.scheme.GetParamCount(element), n, input, output);
  }
  EnsurePoints(context.run, n, output);
  if (context.run.kind == RunKind::kFrequency) {
    ApplyFrequencyFactors(context.run, n, input, output,
                          [&](float omega) { return LinearFrequencyFactor(code, p, omega); });
  } else {
    EvaluateLinearTime(context, code, p, n, input, output);
  }
  return true;
}

}  // namespace kortiv
