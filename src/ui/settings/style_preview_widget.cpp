#include "ui/settings/style_preview_widget.h"

#include <QPainter>

#include "draw/style_preview.h"

namespace kortiv {
namespace {

// Six lines at y 16 .. 111 with room below the last.
constexpr int kPreviewWidth = 110;
constexpr int kPreviewHeight = 127;

}  // namespace

StylePreviewWidget::StylePreviewWidget(const QString& name, const UserSettings& settings,
                                       int first_point, QWidget* parent)
    : QWidget(parent), settings_(settings), first_point_(first_point) {
  setObjectName(name);
  setFixedSize(kPreviewWidth, kPreviewHeight);
}

void StylePreviewWidget::ShowPhasePair(bool phase_pair) {
  phase_pair_ = phase_pair;
  update();
}

void StylePreviewWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintStylePreview(painter, rect(), settings_, first_point_, phase_pair_);
}

}  // namespace kortiv
