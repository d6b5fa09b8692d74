#include "draw/nonlinear_symbols.h"

#include <optional>

#include "draw/chart_frame.h"

namespace kortiv {
namespace {

struct Slope {
  QPointF vertex;
  QPointF toward;
};

// A static characteristic in chart coordinates with what its dialog picture
// labels: the knees get guide lines to the axes.
struct Characteristic {
  int code;
  std::vector<Stroke> strokes;
  std::vector<QPointF> knees;
  std::vector<ChartLabel> labels;
  std::optional<Slope> slope;
};

const std::vector<Characteristic>& Characteristics() {
  static const std::vector<Characteristic> table = {
      {300,
       {{{-1, -.6}, {-.4, -.6}, {.4, .6}, {1, .6}}},
       {{.4, .6}, {-.4, -.6}},
       {{"kA", {-.2, .6}}, {"A", {.4, -.14}}, {"kB", {.2, -.6}}, {"B", {-.4, .14}}},
       Slope{{0, 0}, {.4, .6}}},
      {301,
       {{{-1, -.6}, {-.35, 0}, {.35, 0}, {1, .6}}},
       {},
       {{"a2", {.35, -.14}}, {"a1", {-.35, .14}}},
       Slope{{.35, 0}, {1, .6}}},
      {302,
       {{{-1, -.6}, {-.75, -.6}, {-.25, 0}, {.25, 0}, {.75, .6}, {1, .6}}},
       {{.75, .6}, {-.75, -.6}},
       {{"k(A-a2)", {-.45, .6}},
        {"A", {.75, -.14}},
        {"k(B-a1)", {.45, -.6}},
        {"B", {-.75, .14}},
        {"a2", {.25, -.14}},
        {"a1", {-.25, .14}}},
       Slope{{.25, 0}, {.75, .6}}},
      {303,
       {{{-.85, -.6}, {.35, .6}, {.85, .6}, {-.35, -.6}, {-.85, -.6}}},
       {},
       {{"a", {.38, -.14}}, {"-a", {-.38, .14}}},
       Slope{{.25, 0}, {.85, .6}}},
      {304,
       {{{.2, .45}, {1, .45}},
        {{-1, -.45}, {-.2, -.45}},
        {{-.7, -.45}, {.2, .45}},
        {{-.2, -.45}, {.7, .45}}},
       {{.7, .45}, {-.7, -.45}},
       {{"k(A-a)", {-.45, .45}},
        {"A", {.7, -.14}},
        {"k(B+a)", {.45, -.45}},
        {"B", {-.7, .14}},
        {"a", {.36, -.14}},
        {"-a", {-.36, .14}}},
       Slope{{.25, 0}, {.7, .45}}},
      {305,
       {{{-1, -.5}, {0, -.5}, {0, .5}, {1, .5}}},
       {},
       {{"A", {-.14, .62}}, {"B", {.14, -.62}}},
       std::nullopt},
      {306,
       {{{-1, -.5}, {-.35, -.5}, {-.35, 0}, {.35, 0}, {.35, .5}, {1, .5}}},
       {{.35, .5}, {-.35, -.5}},
       {{"A", {-.14, .5}}, {"B", {.14, -.5}}, {"a2", {.35, -.14}}, {"a1", {-.35, .14}}},
       std::nullopt},
      {307,
       {{{-1, -.5}, {.3, -.5}, {.3, .5}, {1, .5}}, {{.3, .5}, {-.3, .5}, {-.3, -.5}}},
       {},
       {{"A", {-.14, .64}}, {"B", {.14, -.64}}, {"a2", {.44, -.14}}, {"a1", {-.44, .14}}},
       std::nullopt},
      {308,
       {{{-1, -.5}, {-.25, -.5}, {-.25, 0}},
        {{-.6, -.5}, {-.6, 0}},
        {{-.6, 0}, {.6, 0}},
        {{.25, 0}, {.25, .5}, {1, .5}},
        {{.6, 0}, {.6, .5}}},
       {{.25, .5}, {-.25, -.5}},
       {{"1", {-.12, .5}},
        {"-1", {.14, -.5}},
        {"a4", {.6, -.14}},
        {"a3", {.25, -.14}},
        {"a2", {-.25, .14}},
        {"a1", {-.6, .14}}},
       std::nullopt},
  };
  return table;
}

const Characteristic* Find(int code) {
  for (const auto& characteristic : Characteristics()) {
    if (characteristic.code == code) return &characteristic;
  }
  return nullptr;
}

}  // namespace

void DrawNonlinearPictogram(const SymbolCanvas& canvas, int code) {
  const Characteristic* characteristic = Find(code);
  if (!characteristic) return;
  const CellGeometry& g = canvas.geometry();
  const QRect area = g.Box().adjusted(4, 3, -4, -3);
  canvas.Line({area.left(), g.cy}, {area.right(), g.cy});
  const ChartFrame frame(canvas, area);
  for (const auto& stroke : characteristic->strokes) frame.DrawStroke(stroke);
}

void DrawNonlinearDialogPicture(const SymbolCanvas& canvas, int code) {
  const Characteristic* characteristic = Find(code);
  if (!characteristic) return;
  const CellGeometry& g = canvas.geometry();
  const ChartFrame frame(canvas, QRect(12, 14, g.W - 24, g.H - 28));
  for (const auto& knee : characteristic->knees) frame.DrawGuides(knee);
  frame.DrawAxes("x", "y");
  for (const auto& stroke : characteristic->strokes) frame.DrawStroke(stroke);
  const int size = canvas.DialogTextSize() * 4 / 5;
  for (const auto& label : characteristic->labels) frame.DrawLabel(label, size);
  if (characteristic->slope) {
    frame.DrawSlopeAngle(characteristic->slope->vertex, characteristic->slope->toward);
    frame.DrawLabel({"k=tg f", {.55, -.9}}, size);
  }
}

}  // namespace kortiv
