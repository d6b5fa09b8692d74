#include "draw/plot_pen.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

#include "model/user_settings.h"

namespace kortiv {
namespace {

Qt::PenStyle PenStyleOf(int style) {
  switch (static_cast<LineStyle>(style)) {
    case LineStyle::kDash:
      return Qt::DashLine;
    case LineStyle::kDot:
      return Qt::DotLine;
    case LineStyle::kDashDot:
      return Qt::DashDotLine;
    default:
      return Qt::SolidLine;
  }
}

}  // namespace

QPen PlotPen(const QPainter& painter, const QColor& colour, int style, int width) {
  const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
  QPen pen(colour);
  pen.setStyle(PenStyleOf(style));
  // Cosmetic pens keep their width under the painter's scaling.
  pen.setWidthF(std::clamp(width, 1, 3) * ratio);
  pen.setCosmetic(true);
  return pen;
}

}  // namespace kortiv
