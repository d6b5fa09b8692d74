#include "draw/style_preview.h"

#include <QPainter>

#include "draw/palette.h"
#include "draw/plot_pen.h"
#include "model/user_settings.h"

namespace kortiv {
namespace {

constexpr int kFirstLine = 16;
constexpr int kLineSpacing = 19;
constexpr int kPointsPerPreview = 6;

}  // namespace

void PaintStylePreview(QPainter& painter, const QRect& area, const UserSettings& settings,
                       int first_point, bool phase_pair) {
  if (area.isEmpty()) return;
  painter.save();
  painter.setClipRect(area, Qt::IntersectClip);
  painter.translate(area.topLeft());
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(QRect(QPoint(0, 0), area.size()), PaletteColour(settings.Styles[0][1]));
  painter.setBrush(Qt::NoBrush);
  painter.setPen(PlotPen(painter, PaletteColour(settings.Styles[0][2]), 2, 1));
  painter.drawRect(2, 2, area.width() - 5, area.height() - 5);
  for (int i = 0; i < kPointsPerPreview; ++i) {
    const PlotStyleRecord& style = settings.Styles[first_point + i];
    painter.setPen(PlotPen(painter, PaletteColour(style[0]), phase_pair ? style[3] : style[1],
                           phase_pair ? style[4] : style[2]));
    const int y = kFirstLine + kLineSpacing * i;
    painter.drawLine(0, y, area.width() - 1, y);
  }
  painter.restore();
}

}  // namespace kortiv
