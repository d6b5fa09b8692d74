#include "analysis/chain_graph.h"
#include "calc/chain_steps.h"
#include "elements/element_models.h"
#include "model/catalogue.h"
#include "model/scheme.h"
#include "support/messenger.h"

namespace kortiv {

bool EvaluateElement(CalcContext& context, int element, [[maybe_unused]] int n,
                     [[maybe_unused]] const Series& input, [[maybe_unused]] Series& output) {
  switch (GroupOf(context.scheme.GetCode(element))) {
    case kGroupWire:
      context.messenger.Show("Ошибка:в графе схемы попались соединения!");
      return false;
    default:
      context.messenger.Show("Ошибка расчета схемы!");
      return false;
  }
}

}  // namespace kortiv
