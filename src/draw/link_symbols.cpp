#include "draw/link_symbols.h"

#include <vector>

namespace kortiv {
namespace {

constexpr int kJunctionRadius = 8;  // summator circle radius, multiplier half-side
constexpr int kForkDotRadius = 2;
constexpr int kCrossingArcRadius = 4;

// Sides relative to the orientation: the way in from behind, from the side
// a quarter turn clockwise ("right" of the output) and from the other side.
enum class Port { kBehind, kClockwise, kCounterClockwise };

int SideOf(Port port, int orientation) {
  switch (port) {
    case Port::kBehind:
      return Opposite(orientation);
    case Port::kClockwise:
      return Turned(orientation, 1);
    default:
      return Turned(orientation, -1);
  }
}

struct JunctionInput {
  Port port;
  bool negative;
};

struct Junction {
  int code;
  bool multiplier;
  std::vector<JunctionInput> inputs;
};

const std::vector<Junction>& Junctions() {
  using enum Port;
  static const std::vector<Junction> junctions = {
      {9, false, {{kBehind, false}, {kClockwise, false}}},
      {10, false, {{kBehind, false}, {kCounterClockwise, false}}},
      {11, false, {{kClockwise, false}, {kCounterClockwise, false}}},
      {12, false, {{kBehind, false}, {kClockwise, false}, {kCounterClockwise, false}}},
      {13, false, {{kBehind, false}, {kClockwise, true}}},
      {14, false, {{kBehind, false}, {kCounterClockwise, true}}},
      {15, false, {{kCounterClockwise, false}, {kClockwise, true}}},
      {16, false, {{kBehind, false}, {kClockwise, false}, {kCounterClockwise, true}}},
      {17, false, {{kBehind, false}, {kClockwise, true}, {kCounterClockwise, true}}},
      {18, true, {{kBehind, false}, {kClockwise, false}}},
      {19, true, {{kBehind, false}, {kCounterClockwise, false}}},
      {20, true, {{kClockwise, false}, {kCounterClockwise, false}}},
  };
  return junctions;
}

// The outputs of the forks 5..8 besides their input from behind.
std::vector<int> ForkOutputs(int code, int orientation) {
  const int straight = orientation;
  const int clockwise = Turned(orientation, 1);
  const int counter = Turned(orientation, -1);
  switch (code) {
    case 5:
      return {straight, clockwise};
    case 6:
      return {straight, counter};
    case 7:
      return {clockwise, counter};
    default:
      return {straight, clockwise, counter};
  }
}

void DrawWire(const SymbolCanvas& canvas, int orientation) {
  const CellGeometry& g = canvas.geometry();
  canvas.Line(g.EdgePoint(Opposite(orientation)), g.EdgePoint(orientation));
  canvas.Arrowhead(orientation);
}

// A corner enters from a side and leaves in its orientation.
void DrawCorner(const SymbolCanvas& canvas, int entry_side, int orientation) {
  const CellGeometry& g = canvas.geometry();
  canvas.Polyline(QPolygon({g.EdgePoint(entry_side), g.Centre(), g.EdgePoint(orientation)}));
  canvas.Arrowhead(orientation);
}

// The through wire with its arrowhead, and the second wire across it that
// jumps over it with a half circle.
void DrawCrossing(const SymbolCanvas& canvas, int orientation) {
  DrawWire(canvas, orientation);
  const CellGeometry& g = canvas.geometry();
  const int from = Turned(orientation, -1);
  const int to = Turned(orientation, 1);
  const QPoint before = g.Centre() + kCrossingArcRadius * CellGeometry::Step(from);
  const QPoint after = g.Centre() + kCrossingArcRadius * CellGeometry::Step(to);
  canvas.Line(g.EdgePoint(from), before);
  canvas.Line(after, g.EdgePoint(to));
  const QRect arc(g.cx - kCrossingArcRadius, g.cy - kCrossingArcRadius, 2 * kCrossingArcRadius,
                  2 * kCrossingArcRadius);
  // The half circle bulges against the flow of the through wire.
  const int back_angle = (Opposite(orientation) * -90) * 16;
  canvas.painter().drawArc(arc, back_angle - 90 * 16, 180 * 16);
}

void DrawFork(const SymbolCanvas& canvas, int code, int orientation) {
  const CellGeometry& g = canvas.geometry();
  canvas.Line(g.EdgePoint(Opposite(orientation)), g.Centre());
  for (int direction : ForkOutputs(code, orientation)) {
    canvas.Line(g.Centre(), g.EdgePoint(direction));
    canvas.Arrowhead(direction);
  }
  QPainter& painter = canvas.painter();
  painter.save();
  painter.setBrush(Qt::black);
  painter.drawEllipse(g.Centre(), kForkDotRadius, kForkDotRadius);
  painter.restore();
}

// The point where a line from `side` meets the junction's circle or square.
QPoint JunctionRim(const CellGeometry& g, int side) {
  return g.Centre() + kJunctionRadius * CellGeometry::Step(side);
}

void DrawJunctionBody(const SymbolCanvas& canvas, const Junction& junction, int orientation) {
  const CellGeometry& g = canvas.geometry();
  QPainter& painter = canvas.painter();
  const int r = kJunctionRadius;
  const QRect body(g.cx - r, g.cy - r, 2 * r, 2 * r);
  painter.save();
  painter.setBrush(Qt::black);
  for (const auto& input : junction.inputs) {
    if (!input.negative) continue;
    const int facing = SideOf(input.port, orientation) * -90;  // Qt angles turn counter-clockwise
    painter.drawPie(body, (facing - 45) * 16, 90 * 16);
  }
  painter.restore();
  const int arm = junction.multiplier ? r / 2 : r * 7 / 10;
  if (junction.multiplier) {
    painter.drawRect(body);
  } else {
    painter.drawEllipse(body);
  }
  canvas.Line(g.Centre() + QPoint(-arm, -arm), g.Centre() + QPoint(arm, arm));
  canvas.Line(g.Centre() + QPoint(-arm, arm), g.Centre() + QPoint(arm, -arm));
}

void DrawJunction(const SymbolCanvas& canvas, const Junction& junction, int orientation) {
  const CellGeometry& g = canvas.geometry();
  for (const auto& input : junction.inputs) {
    const int side = SideOf(input.port, orientation);
    canvas.Line(g.EdgePoint(side), JunctionRim(g, side));
  }
  canvas.Line(JunctionRim(g, orientation), g.EdgePoint(orientation));
  canvas.Arrowhead(orientation);
  DrawJunctionBody(canvas, junction, orientation);
}

}  // namespace

void DrawLinkSymbol(const SymbolCanvas& canvas, int code, int orientation) {
  switch (code) {
    case 1:
      DrawWire(canvas, orientation);
      return;
    case 2:
      DrawCorner(canvas, Turned(orientation, 1), orientation);
      return;
    case 3:
      DrawCorner(canvas, Turned(orientation, -1), orientation);
      return;
    case 4:
      DrawCrossing(canvas, orientation);
      return;
    case 5:
    case 6:
    case 7:
    case 8:
      DrawFork(canvas, code, orientation);
      return;
  }
  for (const auto& junction : Junctions()) {
    if (junction.code == code) DrawJunction(canvas, junction, orientation);
  }
}

}  // namespace kortiv
