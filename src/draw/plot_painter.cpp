#include "draw/plot_painter.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <vector>

#include "draw/palette.h"
#include "draw/plot_pen.h"
#include "draw/curve_decimation.h"
#include "model/user_settings.h"
#include "results/plot_decor.h"
#include "results/plot_frame.h"
#include "results/plot_state.h"
#include "series/run_state.h"
#include "support/number_format.h"

namespace kortiv {
namespace {

// Labels are placed for a font about 13 pixels high.
constexpr int kLabelPixelSize = 11;

void DrawDecor(QPainter& painter, const PlotDecor& decor, const QColor& colour) {
  for (const Stroke& stroke : decor.strokes) {
    painter.setPen(PlotPen(painter, colour, stroke.dotted ? 2 : 0, 1));
    painter.drawLine(stroke.from.x, stroke.from.y, stroke.to.x, stroke.to.y);
  }
  // The application's font, whatever the device's own font is, so that a
  // window, a file and a printout read alike.
  QFont font;
  font.setPixelSize(kLabelPixelSize);
  painter.setFont(font);
  painter.setPen(colour);
  // Labels are written on a box of the background colour, as on a canvas
  // whose brush was filled with it.
  painter.setBackgroundMode(Qt::OpaqueMode);
  for (const Label& label : decor.labels) {
    const QRect place(label.at.x, label.at.y, 0, 0);
    painter.drawText(place, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip,
                     QString::fromStdString(label.text));
  }
  painter.setBackgroundMode(Qt::TransparentMode);
}

// One curve: the points of column cy against column cx, drawn against
// vertical axis `axis`.
struct Curve {
  int axis;
  int cx;
  int cy;
};

class CurvePainter {
 public:
  CurvePainter(QPainter& painter, const RunState& run, const PlotState& state,
               const PlotFrame& frame, const UserSettings& settings)
      : painter_(painter), run_(run), state_(state), frame_(frame), settings_(settings) {}

  void DrawAll() {
    const int columns = run_.PerPoint() * run_.control_points;
    for (int g = 0; g < columns; g += state_.curve_step) {
      for (int a = state_.first_axis; a <= state_.last_axis; ++a) DrawGroup(g, a);
    }
  }

 private:
  bool AgainstArgument() const {
    return state_.kind == PlotKind::kTime || state_.kind == PlotKind::kFrequency;
  }

  void DrawGroup(int g, int a) {
    const Curve curve = AgainstArgument() ? Curve{a, 0, 1 + g + a} : Curve{a, 1 + g + a, 2 + g + a};
    // A portrait of an odd number of points: the last one has no partner.
    if (curve.cy >= run_.RowWidth()) return;
    painter_.setPen(PenOf(g, a));
    DrawLine(curve);
    if (!AgainstArgument()) DrawArrow(curve);
  }

  QPen PenOf(int g, int a) const {
    const int point = state_.PortraitMode() ? g + 1 : g / state_.curve_step + 1;
    const PlotStyleRecord& style = settings_.Styles[std::min(point, 12)];
    const bool phase_pair = state_.kind == PlotKind::kFrequency && state_.TwoValueAxes() && a == 1;
    return PlotPen(painter_, PaletteColour(style[0]), phase_pair ? style[3] : style[1],
                   phase_pair ? style[4] : style[2]);
  }

  bool PixelOf(const Curve& curve, int j, Pixel& pixel) const {
    const std::size_t row = static_cast<std::size_t>(run_.RowWidth()) * j;
    return frame_.CurvePixel(curve.axis, run_.result_store[row + curve.cx],
                             run_.result_store[row + curve.cy], pixel);
  }

  // Lines through points 0..LastPoint; a point that is not a number breaks
  // the line. Only the points that change the picture are drawn.
  void DrawLine(const Curve& curve) {
    CurveDecimation run_of_points;
    auto flush = [&] {
      const std::vector<QPoint> points = run_of_points.Take();
      if (points.size() == 1) painter_.drawPoint(points.front());
      if (points.size() > 1) painter_.drawPolyline(points.data(), static_cast<int>(points.size()));
    };
    for (int j = 0; j <= run_.last_point; ++j) {
      Pixel pixel;
      if (PixelOf(curve, j, pixel)) {
        run_of_points.Add(QPoint(pixel.x, pixel.y));
      } else {
        flush();
      }
    }
    flush();
  }

  // The arrow at point P pointing away from point Q.
  void DrawArrow(const Curve& curve) {
    const int n = run_.last_point;
    const bool portrait = state_.PortraitMode();
    int p = static_cast<int>((portrait ? 0.1 : 0.4) * n);
    int q = p - (portrait ? 7 : 3);
    if (q < 0) {
      // Too few points for the usual place: near the end of the curve.
      p = n - (portrait ? 2 : 1);
      q = 1;
    }
    // A run of one or two points has no room for an arrow.
    Pixel tip;
    Pixel tail;
    if (p < 0 || p > n || q > n || !PixelOf(curve, p, tip) || !PixelOf(curve, q, tail)) return;
    const double dx = tip.x - tail.x;
    const double dy = tail.y - tip.y;  // upward
    const double length = std::hypot(dx, dy);
    if (length == 0) return;
    const double ux = 8 * dx / length;
    const double uy = 8 * dy / length;
    for (const double side : {0.6, -0.6}) {
      const int x = static_cast<int>(tip.x - ux + side * uy);
      const int y = static_cast<int>(tip.y + uy + side * ux);
      painter_.drawLine(x, y, tip.x, tip.y);
    }
  }

  QPainter& painter_;
  const RunState& run_;
  const PlotState& state_;
  const PlotFrame& frame_;
  const UserSettings& settings_;
};

}  // namespace

void PaintPlot(QPainter& painter, const QRect& area, const RunState& run, const PlotState& state,
               const UserSettings& settings) {
  if (area.isEmpty()) return;
  const QColor background = PaletteColour(settings.Styles[0][1]);
  const QColor grid = PaletteColour(settings.Styles[0][2]);
  painter.save();
  painter.setClipRect(area, Qt::IntersectClip);
  painter.fillRect(area, background);
  painter.translate(area.topLeft());
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBackground(background);
  const PlotFrame frame(area.width(), area.height(), state);
  DrawDecor(painter, LayOutDecor(frame, state, settings.GridEnable, SystemDecimalSeparator()),
            grid);
  CurvePainter(painter, run, state, frame, settings).DrawAll();
  painter.restore();
}

void PaintPlot(QImage& picture, const RunState& run, const PlotState& state,
               const UserSettings& settings) {
  if (picture.isNull()) return;
  QPainter painter(&picture);
  PaintPlot(painter, QRect(QPoint(0, 0), picture.deviceIndependentSize().toSize()), run, state,
            settings);
}

}  // namespace kortiv
