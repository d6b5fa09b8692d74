#pragma once

#include <QImage>
#include <QWidget>

#include "results/plot_frame.h"

class QRubberBand;

namespace kortiv {

struct PlotDrawing;
struct RunState;

// The picture of the plot window (`imgGraph`): paints the plot straight onto
// the screen at the size of its last redraw, stretched to its present size
// until the next one. Reports the point under the mouse, a rectangle
// dragged with the left button and a double click, each in pixels of the
// drawn picture.
class PlotPicture : public QWidget {
  Q_OBJECT

 public:
  PlotPicture(const RunState& run, const PlotDrawing& drawing, QWidget* parent);

  // The picture as drawn, at the size it was drawn at.
  QImage Image() const;

 signals:
  void pointed(double x, double y);
  void left();
  void rectangleDragged(kortiv::Pixel corner, kortiv::Pixel other_corner);
  void doubleClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QPointF DrawnPoint(const QPointF& widget_point) const;
  Pixel DrawnPixel(const QPointF& widget_point) const;

  const RunState& run_;
  const PlotDrawing& drawing_;
  QRubberBand* band_;
  QPoint drag_start_;
  bool dragging_ = false;
};

}  // namespace kortiv
