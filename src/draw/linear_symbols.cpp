#include "draw/linear_symbols.h"

#include <QPainterPath>
#include <map>

#include "draw/formula.h"

namespace kortiv {
namespace {

using enum Script;

const Run kW{"W(p)="};

// The gain triangle: its base at 0.3 and its apex at 0.7 of the box along
// the flow, half the box high across it.
void DrawGainTriangle(const SymbolCanvas& canvas, const QRect& box, int orientation) {
  const bool across = orientation == kDown || orientation == kUp;
  const int length = across ? box.height() : box.width();
  const int start = across ? box.top() : box.left();
  int back = start + length * 3 / 10;
  int tip = start + length * 7 / 10;
  if (orientation == kLeft || orientation == kUp) {  // mirrored across the box
    back = 2 * start + length - 1 - back;
    tip = 2 * start + length - 1 - tip;
  }
  const QPoint centre = box.center();
  const int half = (across ? box.width() : box.height()) / 4;
  QPolygon triangle;
  if (across) {
    triangle << QPoint(centre.x() - half, back) << QPoint(centre.x() + half, back)
             << QPoint(centre.x(), tip);
  } else {
    triangle << QPoint(back, centre.y() - half) << QPoint(back, centre.y() + half)
             << QPoint(tip, centre.y());
  }
  canvas.painter().drawPolygon(triangle);
}

void DrawIntegralSign(const SymbolCanvas& canvas) {
  const CellGeometry& g = canvas.geometry();
  const int rise = g.Hi * 3 / 8;
  const int lean = g.Hi / 8;
  const QPoint top(g.cx + lean, g.cy - rise);
  const QPoint bottom(g.cx - lean, g.cy + rise);
  canvas.Line(top, bottom);
  canvas.painter().drawEllipse(QRect(top.x(), top.y() - 1, 3, 3));
  canvas.painter().drawEllipse(QRect(bottom.x() - 3, bottom.y() - 2, 3, 3));
}

// The delay time `letter` above a segment with end ticks.
void DrawDelaySign(const SymbolCanvas& canvas, const QRect& area, const QString& letter,
                   int text_size) {
  const int y = area.center().y() + area.height() / 8;
  const int half = area.width() / 4;
  const int x = area.center().x();
  canvas.Line({x - half, y}, {x + half, y});
  canvas.Line({x - half, y - 2}, {x - half, y + 2});
  canvas.Line({x + half, y - 2}, {x + half, y + 2});
  canvas.CentredText(QRect(area.left(), area.top(), area.width(), y - area.top()), letter,
                     text_size);
}

const std::map<int, QString>& CellTexts() {
  static const std::map<int, QString> texts = {
      {204, "W1(p)"}, {205, "W2(p)"}, {206, "W3(p)"}, {207, "W4(p)"},
      {208, "W5(p)"}, {209, "W6(p)"}, {210, "W7(p)"}, {211, "W8(p)"},
      {212, "W(p)"},  {213, "PID1"},  {214, "PID2"},
  };
  return texts;
}

const std::map<int, Formula>& DialogFormulas() {
  static const std::map<int, Formula> formulas = {
      {201, {Inline({kW}), Fraction({{"1"}}, {{"Tp"}})}},
      {202, {Inline({{"W(p)=T*p"}})}},
      {204, {Inline({kW}), Fraction({{"k"}}, {{"Tp+1"}})}},
      {205, {Inline({{"W(p)=k(Tp+1)"}})}},
      {206, {Inline({kW}), Fraction({{"kp"}}, {{"Tp+1"}})}},
      {207,
       {Inline({{"W(p)=k"}}),
        Fraction({{"T"}, {"d", kSub}, {"p+1"}}, {{"T"}, {"i", kSub}, {"p+1"}})}},
      {208, {Inline({kW}), Fraction({{"k"}}, {{"p(Tp+1)"}})}},
      {209,
       {Inline({kW}), Fraction({{"k"}}, {{"T"}, {"2", kSuper}, {"p"}, {"2", kSuper}, {"+1"}})}},
      {210,
       {Inline({kW}), Fraction({{"k"}}, {{"(T"}, {"1", kSub}, {"p+1)(T"}, {"2", kSub}, {"p+1)"}})}},
      {211,
       {Inline({kW}),
        Fraction({{"k"}}, {{"T"}, {"2", kSuper}, {"p"}, {"2", kSuper}, {"+2Tdp+1"}})}},
      {212,
       {Inline({kW}), Fraction({{"b"},
                                {"m", kSub},
                                {"p"},
                                {"m", kSuper},
                                {"+...+b"},
                                {"1", kSub},
                                {"p+b"},
                                {"0", kSub}},
                               {{"a"},
                                {"n", kSub},
                                {"p"},
                                {"n", kSuper},
                                {"+...+a"},
                                {"1", kSub},
                                {"p +a"},
                                {"0", kSub}})}},
      {213,
       {Inline({{"W(p)=k +"}}), Fraction({{"1"}}, {{"T"}, {"i", kSub}, {"p"}}),
        Inline({{"+ T"}, {"d", kSub}, {"p"}})}},
      {214,
       {Inline({{"W(p)=k (1 +"}}), Fraction({{"1"}}, {{"T"}, {"i", kSub}, {"p"}}),
        Inline({{"+ T"}, {"d", kSub}, {"p)"}})}},
  };
  return formulas;
}

// The gain picture: the triangle with an output stub above its formula.
void DrawGainDialog(const SymbolCanvas& canvas) {
  const CellGeometry& g = canvas.geometry();
  const QRect upper(g.mh, g.mv, g.Wi, g.H / 2 - g.mv);
  DrawGainTriangle(canvas, upper, kRight);
  const QPoint apex(upper.left() + upper.width() * 7 / 10, upper.center().y());
  canvas.Line(apex, apex + QPoint(g.mh, 0));
  DrawFormula(canvas.painter(), {Inline({{"W(p)=k"}})}, QRect(0, g.cy, g.W, g.H / 3),
              canvas.DialogTextSize());
}

void DrawDelayDialog(const SymbolCanvas& canvas) {
  const CellGeometry& g = canvas.geometry();
  DrawDelaySign(canvas, QRect(g.mh, g.mv, g.Wi, g.H / 2 - g.mv), "T", canvas.DialogTextSize());
  DrawFormula(canvas.painter(), {Inline({{"W(p)=exp(-Tp)"}})}, QRect(0, g.cy, g.W, g.H / 3),
              canvas.DialogTextSize());
}

}  // namespace

void DrawLinearPictogram(const SymbolCanvas& canvas, int code, int orientation) {
  const CellGeometry& g = canvas.geometry();
  const QRect inside = g.Box().adjusted(1, 1, -1, -1);
  switch (code) {
    case 200:
      DrawGainTriangle(canvas, g.Box(), orientation);
      return;
    case 201:
      DrawIntegralSign(canvas);
      return;
    case 202:
      DrawFormula(canvas.painter(), {Fraction({{"d"}}, {{"dt"}})}, inside, canvas.TextSize());
      return;
    case 203:
      DrawDelaySign(canvas, inside, "t", canvas.TextSize());
      return;
  }
  const auto text = CellTexts().find(code);
  if (text != CellTexts().end()) canvas.CentredText(inside, text->second, canvas.TextSize());
}

void DrawLinearDialogPicture(const SymbolCanvas& canvas, int code) {
  if (code == 200) return DrawGainDialog(canvas);
  if (code == 203) return DrawDelayDialog(canvas);
  const auto found = DialogFormulas().find(code);
  if (found == DialogFormulas().end()) return;
  const Formula& formula = found->second;
  const CellGeometry& g = canvas.geometry();
  const QRect whole(2, 0, g.W - 4, g.H);
  const int size = canvas.DialogTextSize();
  if (FormulaFits(canvas.painter(), formula, whole.size(), size) || formula.size() < 2) {
    return DrawFormula(canvas.painter(), formula, whole, size);
  }
  // Too wide for one line: "W(p)=" above the rest.
  DrawFormula(canvas.painter(), {formula.front()}, QRect(2, g.mv, g.W - 4, g.cy - g.mv), size);
  DrawFormula(canvas.painter(), Formula(formula.begin() + 1, formula.end()),
              QRect(2, g.cy, g.W - 4, g.cy - g.mv), size);
}

}  // namespace kortiv
