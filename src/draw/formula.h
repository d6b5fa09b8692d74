#pragma once

#include <QPainter>
#include <QRect>
#include <QString>
#include <vector>

namespace kortiv {

// Formulas of the symbols: texts side by side, with exponents, subscripts,
// fractions and a root sign.
enum class Script { kNormal, kSuper, kSub };

struct Run {
  QString text;
  Script script = Script::kNormal;
};
using Runs = std::vector<Run>;

struct FormulaPiece {
  enum class Kind { kInline, kFraction, kRoot };
  Kind kind = Kind::kInline;
  Runs top;     // the text, the numerator or what stands under the root
  Runs bottom;  // the denominator
};
using Formula = std::vector<FormulaPiece>;

FormulaPiece Inline(Runs runs);
FormulaPiece Fraction(Runs numerator, Runs denominator);
FormulaPiece Root(Runs radicand);

// Whether the formula fits `area` in letters of `pixel_size`.
bool FormulaFits(const QPainter& painter, const Formula& formula, QSize area, int pixel_size);

// Draws the formula centred in `area`, in the largest letter size up to
// `pixel_size` with which it fits the area.
void DrawFormula(QPainter& painter, const Formula& formula, const QRect& area, int pixel_size);

}  // namespace kortiv
