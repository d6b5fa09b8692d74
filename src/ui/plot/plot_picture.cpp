#include "ui/plot/plot_picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <cmath>

#include "draw/palette.h"
#include "draw/plot_painter.h"
#include "ui/plot/plot_drawing.h"

namespace kortiv {

PlotPicture::PlotPicture(const RunState& run, const PlotDrawing& drawing, QWidget* parent)
    : QWidget(parent),
      run_(run),
      drawing_(drawing),
      band_(new QRubberBand(QRubberBand::Rectangle, this)) {
  setObjectName("imgGraph");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage PlotPicture::Image() const {
  if (!drawing_.drawn || drawing_.size.isEmpty()) return {};
  QImage picture(drawing_.size, QImage::Format_RGB32);
  PaintPlot(picture, run_, drawing_.state, drawing_.settings);
  return picture;
}

void PlotPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (!drawing_.drawn || drawing_.size.isEmpty()) {
    painter.fillRect(rect(), PaletteColour(drawing_.settings.Styles[0][1]));
    return;
  }
  // Until the redraw after a resize the last picture is stretched over the
  // new size.
  if (drawing_.size != size()) {
    painter.scale(static_cast<double>(width()) / drawing_.size.width(),
                  static_cast<double>(height()) / drawing_.size.height());
  }
  PaintPlot(painter, QRect(QPoint(0, 0), drawing_.size), run_, drawing_.state, drawing_.settings);
}

QPointF PlotPicture::DrawnPoint(const QPointF& widget_point) const {
  if (width() == 0 || height() == 0) return widget_point;
  return {widget_point.x() * drawing_.size.width() / width(),
          widget_point.y() * drawing_.size.height() / height()};
}

Pixel PlotPicture::DrawnPixel(const QPointF& widget_point) const {
  const QPointF point = DrawnPoint(widget_point);
  return {static_cast<int>(std::floor(point.x())), static_cast<int>(std::floor(point.y()))};
}

void PlotPicture::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_) band_->setGeometry(QRect(drag_start_, event->position().toPoint()).normalized());
  if (!drawing_.drawn) return;
  const QPointF point = DrawnPoint(event->position());
  emit pointed(point.x(), point.y());
}

void PlotPicture::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !drawing_.drawn) return;
  dragging_ = true;
  drag_start_ = event->position().toPoint();
  band_->setGeometry(QRect(drag_start_, QSize()));
  band_->show();
}

void PlotPicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) return;
  dragging_ = false;
  band_->hide();
  emit rectangleDragged(DrawnPixel(drag_start_), DrawnPixel(event->position()));
}

void PlotPicture::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && drawing_.drawn) emit doubleClicked();
}

void PlotPicture::leaveEvent(QEvent*) {
  emit left();
}

}  // namespace kortiv
