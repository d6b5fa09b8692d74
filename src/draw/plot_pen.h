#pragma once

#include <QPen>

class QPainter;

namespace kortiv {

// A pen of the plot pictures: a line style code of the settings (0 solid,
// 1 dash, 2 dot, 3 dash-dot) and a width of 1..3 logical pixels, which on a
// device with more pixels per logical pixel (a screen at 200 %) is widened
// to match.
QPen PlotPen(const QPainter& painter, const QColor& colour, int style, int width);

}  // namespace kortiv
