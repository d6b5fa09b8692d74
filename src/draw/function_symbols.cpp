#include "draw/function_symbols.h"

#include <map>

#include "draw/formula.h"

namespace kortiv {
namespace {

using enum Script;

const std::map<int, Formula>& Formulas() {
  static const std::map<int, Formula> formulas = {
      {500, {Inline({{"y=x"}, {"2", kSuper}})}},
      {501, {Inline({{"y="}}), Root({{"|x|"}})}},
      {502, {Inline({{"y="}}), Fraction({{"1"}}, {{"x"}})}},
      {503, {Inline({{"y=|x|"}, {"a", kSuper}})}},
      {504, {Inline({{"y=sin x"}})}},
      {505, {Inline({{"y=cos x"}})}},
      {506, {Inline({{"y=e"}, {"ax", kSuper}})}},
      {507, {Inline({{"y=ln |x|"}})}},
  };
  return formulas;
}

}  // namespace

void DrawFunctionPictogram(const SymbolCanvas& canvas, int code) {
  const auto formula = Formulas().find(code);
  if (formula == Formulas().end()) return;
  const QRect inside = canvas.geometry().Box().adjusted(2, 1, -2, -1);
  DrawFormula(canvas.painter(), formula->second, inside, canvas.TextSize());
}

void DrawFunctionDialogPicture(const SymbolCanvas& canvas, int code) {
  if (code != 503 && code != 506) return;
  const CellGeometry& g = canvas.geometry();
  DrawFormula(canvas.painter(), Formulas().at(code), QRect(g.mh, g.mv, g.Wi, g.Hi),
              canvas.DialogTextSize());
}

}  // namespace kortiv
