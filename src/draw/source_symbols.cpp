#include "draw/source_symbols.h"

#include <QStringList>
#include <array>
#include <cmath>
#include <numbers>

#include "draw/chart_frame.h"
#include "draw/formula.h"
#include "model/catalogue.h"

namespace kortiv {
namespace {

constexpr int kNoiseCode = 109;
constexpr int kZeroSignalCode = 113;
constexpr int kMeanderCode = 106;

constexpr std::array<double, 20> kNoise = {0.34,  -0.71, 0.9,   -0.86, 0.52,  -0.82, 0.72,
                                           -0.12, 0.98,  -0.24, 0.82,  -0.28, 0.41,  -0.86,
                                           0.57,  0.45,  -0.43, 0.44,  -0.39, 0.21};

// A signal over its characteristic stretch: time 0..1 to the right, the
// value upwards, -1..1 or, for signals that are never negative, 0..1.
struct SignalShape {
  int code;
  bool never_negative;
  std::vector<Stroke> strokes;
  std::vector<QPointF> knees;
  std::vector<ChartLabel> labels;
};

// The level of the sine's crests: the other shapes keep their high levels
// near it.
constexpr double kSineAmplitude = 0.8;

Stroke SineStroke(double phase) {
  Stroke stroke;
  for (double angle = 0; angle <= 2 * std::numbers::pi + 1e-9; angle += 0.1) {
    stroke.push_back({angle / (2 * std::numbers::pi), std::sin(angle + phase) * kSineAmplitude});
  }
  return stroke;
}

const std::vector<SignalShape>& Shapes() {
  static const std::vector<SignalShape> shapes = {
      {100, false, {SineStroke(0)}, {{.25, .8}}, {{"A", {-.08, .8}}, {"T", {.95, .2}}}},
      {101,
       true,
       {{{0, 0}, {.3, 0}, {.3, .8}, {1, .8}}},
       {{.3, .8}},
       {{"A", {-.08, .8}}, {"T", {.3, -.13}}}},
      {102,
       true,
       {{{0, 0}, {.3, 0}, {1, .8}}},
       {{1, .8}},
       {{"A", {-.08, .8}}, {"T", {.3, -.13}}, {"k=tg a", {.45, .55}}}},
      {103, false, {SineStroke(0.8)}, {{.12, .8}}, {{"A", {-.08, .8}}, {"T", {1, -.2}}}},
      {104,
       true,
       {{{0, 0}, {.3, 0}, {.3, .8}, {.6, .8}, {.6, 0}, {1, 0}}},
       {{.3, .8}},
       {{"A", {-.08, .8}}, {"T", {.3, -.13}}, {"T+Ti", {.62, -.13}}}},
      {105,
       true,
       {{{0, 0}, {.33, .8}, {.33, 0}, {.67, .8}, {.67, 0}, {1, .8}}},
       {{.33, .8}},
       {{"A", {-.08, .8}}, {"T", {.33, -.13}}}},
      {106,
       false,
       {{{0, .7}, {.25, .7}, {.25, -.7}, {.5, -.7}, {.5, .7}, {.75, .7}, {.75, -.7}, {1, -.7}}},
       {{.25, .7}, {.25, -.7}},
       {{"A", {-.08, .7}}, {"-A", {-.1, -.7}}, {"T", {.56, -.2}}}},
      {107,
       true,
       {{{0, 0},
         {.15, 0},
         {.15, .8},
         {.3, .8},
         {.3, 0},
         {.6, 0},
         {.6, .8},
         {.75, .8},
         {.75, 0},
         {1, 0}}},
       {{.15, .8}},
       {{"A", {-.08, .8}}, {"T", {.15, -.13}}, {"T+Ti", {.3, -.3}}, {"T+Ti+Tp", {.6, -.13}}}},
      {108,
       false,
       {{{0, -.7}, {.33, .7}, {.33, -.7}, {.67, .7}, {.67, -.7}, {1, .7}}},
       {{.33, .7}},
       {{"A", {-.08, .7}}, {"T", {.28, -.2}}}},
      {110,
       true,
       {{{0, 0},
         {0, .8},
         {.2, .8},
         {.2, 0},
         {.4, 0},
         {.4, .8},
         {.6, .8},
         {.6, 0},
         {.8, 0},
         {.8, .8},
         {1, .8}}},
       {{.2, .8}},
       {{"A", {-.08, .8}}, {"Ti", {.2, -.13}}, {"T", {.4, -.13}}}},
      {111,
       true,
       {{{0, 0}, {.15, .8}, {.4, 0}, {.55, .8}, {.8, 0}, {.95, .8}, {1, .64}}},
       {{.15, .8}},
       {{"A", {-.08, .8}}, {"T1", {.15, -.13}}, {"T", {.4, -.13}}}},
  };
  return shapes;
}

const SignalShape* Find(int code) {
  for (const auto& shape : Shapes()) {
    if (shape.code == code) return &shape;
  }
  return nullptr;
}

// The chart range of a shape; `right` beyond 1 leaves room between the end
// of the curve and the arrow of the time axis.
QRectF RangeOf(const SignalShape& shape, double right = 1) {
  return shape.never_negative ? QRectF(QPointF(0, -.25), QPointF(right, 1))
                              : QRectF(QPointF(0, -1), QPointF(right, 1));
}

constexpr double kDialogTimeRange = 1.1;

// The fixed zigzag of the white noise: `count` points from x0 in steps of
// `step`, `amplitude` pixels up and down around the centre line.
void DrawNoise(const SymbolCanvas& canvas, int count, int step, double amplitude) {
  const CellGeometry& g = canvas.geometry();
  const double x0 = 1.6 * g.mh;
  QPolygon zigzag;
  for (int i = 1; i <= count; ++i) {
    zigzag << QPoint(static_cast<int>(x0 + i * step),
                     static_cast<int>(std::lround(g.cy + amplitude * kNoise[i - 1])));
  }
  canvas.Polyline(zigzag);
}

void DrawSweepGeneratorNote(const SymbolCanvas& canvas) {
  static const QStringList lines = {
      "Используется только", "для построения частот-", "ных характеристик(ЧХ).",
      "Единицы измерения",   "частот задаются в нас-", "тройках пользователя.",
  };
  const CellGeometry& g = canvas.geometry();
  const int line_height = g.H / (lines.size() + 1);
  QFont font = canvas.painter().font();
  int size = canvas.DialogTextSize();
  for (;; --size) {  // the widest line must fit the picture
    font.setPixelSize(size);
    int widest = 0;
    for (const auto& line : lines)
      widest = std::max(widest, QFontMetrics(font).horizontalAdvance(line));
    if (widest <= g.W - 4 || size <= 6) break;
  }
  for (int i = 0; i < lines.size(); ++i) {
    canvas.TextAt({2, line_height / 2 + i * line_height}, lines[i], size);
  }
}

// The half period of the meander, written as a fraction under the axis
// beside the falling edge.
void DrawHalfPeriod(const SymbolCanvas& canvas, const ChartFrame& frame) {
  const QPoint at = frame.Map({.32, 0});
  const int size = canvas.DialogTextSize() * 3 / 4;
  DrawFormula(canvas.painter(), {Fraction({{"T"}}, {{"2"}})},
              QRect(at.x() - size, at.y() + 2, 2 * size, 2 * size + 4), size);
}

}  // namespace

void DrawSourcePictogram(const SymbolCanvas& canvas, int code) {
  const CellGeometry& g = canvas.geometry();
  const QRect inside = g.Box().adjusted(1, 1, -1, -1);
  if (code == kSweepGeneratorCode) return canvas.CentredText(inside, "ГКЧ", canvas.TextSize());
  if (code == kZeroSignalCode) return canvas.CentredText(inside, "0", canvas.TextSize());
  if (code == kNoiseCode) return DrawNoise(canvas, 12, 2, 1.4 * g.mv);
  const SignalShape* shape = Find(code);
  if (!shape) return;
  const int left = static_cast<int>(1.5 * g.mh);
  // The sine's crests stand a quarter of the box height from the centre line.
  const int half = static_cast<int>(std::lround(g.Hi / 4.0 / kSineAmplitude));
  const QRect area(left, g.cy - half, g.W - 2 * left, 2 * half);
  const ChartFrame frame(canvas, area, RangeOf(*shape));
  for (const auto& stroke : shape->strokes) frame.DrawStroke(stroke);
}

void DrawSourceDialogPicture(const SymbolCanvas& canvas, int code) {
  if (code == kSweepGeneratorCode) return DrawSweepGeneratorNote(canvas);
  const CellGeometry& g = canvas.geometry();
  const QRect area(16, 14, g.W - 30, g.H - 30);
  if (code == kNoiseCode) {
    // The value axis stands left of the zigzag, which ends short of the
    // time axis's arrow.
    ChartFrame(canvas, area, QRectF(QPointF(0, -1), QPointF(1, 1))).DrawAxes("t", "");
    return DrawNoise(canvas, 20, 3, 2.5 * g.mv);
  }
  const SignalShape* shape = Find(code);
  if (!shape) return;
  const ChartFrame frame(canvas, area, RangeOf(*shape, kDialogTimeRange));
  frame.DrawAxes("t", "");
  for (const auto& knee : shape->knees) frame.DrawGuides(knee);
  for (const auto& stroke : shape->strokes) frame.DrawStroke(stroke);
  const int size = canvas.DialogTextSize() * 4 / 5;
  for (const auto& label : shape->labels) frame.DrawLabel(label, size);
  if (code == kMeanderCode) DrawHalfPeriod(canvas, frame);
}

}  // namespace kortiv
