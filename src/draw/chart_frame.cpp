#include "draw/chart_frame.h"

#include <QPolygon>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace kortiv {
namespace {

constexpr int kArrowLength = 5;
constexpr int kArrowHalfWidth = 2;
constexpr int kAngleRadius = 12;

}  // namespace

ChartFrame::ChartFrame(const SymbolCanvas& canvas, const QRect& area, const QRectF& range)
    : canvas_(&canvas), area_(area), range_(range) {}

QPoint ChartFrame::Map(QPointF point) const {
  const double x = area_.left() + (point.x() - range_.left()) / range_.width() * area_.width();
  const double y =
      area_.top() + area_.height() - (point.y() - range_.top()) / range_.height() * area_.height();
  return QPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
}

void ChartFrame::DrawStroke(const Stroke& stroke) const {
  QPolygon polygon;
  for (const auto& point : stroke) polygon << Map(point);
  canvas_->Polyline(polygon);
}

void ChartFrame::DrawAxes(const QString& x_label, const QString& y_label) const {
  const QPoint origin = Map({0, 0});
  const QPoint x_end(area_.right() + 4, origin.y());
  const QPoint y_end(origin.x(), area_.top() - 4);
  canvas_->Line({std::min(area_.left() - 4, origin.x()), origin.y()}, x_end);
  canvas_->Line({origin.x(), std::max(area_.bottom() + 4, origin.y())}, y_end);
  canvas_->Line(x_end + QPoint(-kArrowLength, -kArrowHalfWidth), x_end);
  canvas_->Line(x_end + QPoint(-kArrowLength, kArrowHalfWidth), x_end);
  canvas_->Line(y_end + QPoint(-kArrowHalfWidth, kArrowLength), y_end);
  canvas_->Line(y_end + QPoint(kArrowHalfWidth, kArrowLength), y_end);
  const int size = canvas_->DialogTextSize() * 4 / 5;
  canvas_->TextAt(x_end + QPoint(-size / 2, -size - 3), x_label, size);  // above the arrow
  canvas_->TextAt(y_end + QPoint(4, -3), y_label, size);
  canvas_->TextAt(origin + QPoint(-size * 3 / 4, 1), "0", size);
}

void ChartFrame::DrawGuides(QPointF knee) const {
  canvas_->SetPen(Qt::blue, Qt::DotLine);
  canvas_->Line(Map(knee), Map({knee.x(), 0}));
  canvas_->Line(Map(knee), Map({0, knee.y()}));
  canvas_->SetPen(Qt::black);
}

void ChartFrame::DrawLabel(const ChartLabel& label, int pixel_size) const {
  const QPoint centre = Map(label.at);
  const QRect box(centre.x() - 40, centre.y() - pixel_size, 80, 2 * pixel_size);
  canvas_->CentredText(box, label.text, pixel_size);
}

void ChartFrame::DrawSlopeAngle(QPointF vertex, QPointF toward) const {
  const QPoint from = Map(vertex);
  const QPoint to = Map(toward);
  const double angle =
      std::atan2(static_cast<double>(from.y() - to.y()), static_cast<double>(to.x() - from.x()));
  const double degrees = angle * 180.0 / std::numbers::pi;
  const QRect circle(from.x() - kAngleRadius, from.y() - kAngleRadius, 2 * kAngleRadius,
                     2 * kAngleRadius);
  canvas_->painter().drawArc(circle, 0, static_cast<int>(degrees * 16));
  const double half = angle / 2;
  const QPoint text_at(from.x() + static_cast<int>((kAngleRadius + 6) * std::cos(half)),
                       from.y() - static_cast<int>((kAngleRadius + 6) * std::sin(half)));
  const int size = canvas_->DialogTextSize() * 4 / 5;
  canvas_->CentredText(QRect(text_at.x() - size, text_at.y() - size, 2 * size, 2 * size), "f",
                       size);
}

}  // namespace kortiv
