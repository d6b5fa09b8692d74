#include "analysis/chain_graph.h"
#include "calc/chain_steps.h"
#include "calc/runaway.h"
#include "elements/element_models.h"
#include "model/catalogue.h"
#include "model/scheme.h"
#include "support/messenger.h"

namespace kortiv {

namespace {

bool EvaluateModel(CalcContext& context, int element, int n, const Series& input, Series& output) {
  EvalContext eval = context.Eval();
  switch (GroupCode(context.scheme.GetCode(element), context.messenger)) {
    case kGroupLinear:
      return EvaluateLinear(eval, element, n, input, output);
    case kGroupNonlinear:
      return EvaluateNonlinear(eval, element, n, input, output);
    case kGroupFunctional:
      return EvaluateFunctional(eval, element, n, input, output);
    case kGroupWire:
      context.messenger.Show("Ошибка:в графе схемы попались соединения!");
      return false;
    default:
      context.messenger.Show("Ошибка расчета схемы!");
      return false;
  }
}

}  // namespace

bool EvaluateElement(CalcContext& context, int element, int n, const Series& input,
                     Series& output) {
  if (!EvaluateModel(context, element, n, input, output)) return false;
  CutRunAtRunaway(context.run, output, FirstNewPoint(context.run, n), n);
  return true;
}

std::unique_ptr<ElementStepper> MakeElementStepper(CalcContext& context, int element,
                                                   std::span<const double> input,
                                                   std::span<double> output) {
  EvalContext eval = context.Eval();
  switch (GroupOf(context.scheme.GetCode(element))) {
    case kGroupLinear:
      return LinearStepper(eval, element, input, output);
    case kGroupNonlinear:
      return NonlinearStepper(eval, element, input, output);
    case kGroupFunctional:
      return FunctionalStepper(eval, element, input, output);
    default:
      return nullptr;
  }
}

}  // namespace kortiv
