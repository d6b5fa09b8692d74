#include "ui/editor_frm.h"

#include <QGridLayout>

namespace kortiv {
namespace {

// The bars start at the middle of 0..10: position 5 means no shift.
constexpr int kBarMiddle = 5;
constexpr int kBarSpan = 10;
constexpr int kBarPageStep = 2;
// How far the range slides: the scheme reaches about 4900 cells each way.
constexpr int kSlideLimit = 4900;
constexpr int kScrollDelayMs = 100;

void StartBar(QScrollBar* bar) {
  const QSignalBlocker blocker(bar);
  bar->setRange(0, kBarSpan);
  bar->setPageStep(kBarPageStep);
  bar->setValue(kBarMiddle);
}

}  // namespace

TEditorFrm::TEditorFrm(int cols, int rows, QWidget* parent) : QWidget(parent) {
  setObjectName("TEditorFrm");
  setWindowTitle("Редактор");
  setProperty("helpTopic", "editor");

  field_ = new SchemeField(cols, rows, nullptr);
  area_ = new QScrollArea(this);
  area_->setObjectName("EditorArea");
  area_->setWidget(field_);
  area_->setWidgetResizable(false);
  area_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  area_->setFrameShape(QFrame::NoFrame);
  area_->setFocusProxy(field_);
  setFocusProxy(field_);

  horizontal_ = new QScrollBar(Qt::Horizontal, this);
  horizontal_->setObjectName("HorScrollEditor");
  vertical_ = new QScrollBar(Qt::Vertical, this);
  vertical_->setObjectName("VerScrollEditor");
  StartBar(horizontal_);
  StartBar(vertical_);

  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(area_, 0, 0);
  layout->addWidget(vertical_, 0, 1);
  layout->addWidget(horizontal_, 1, 0);

  delay_.setObjectName("Delay_for_scrolling");
  delay_.setSingleShot(true);
  delay_.setInterval(kScrollDelayMs);
  connect(horizontal_, &QScrollBar::valueChanged, this,
          [this](int p) { BarMoved(horizontal_, accepted_horizontal_, p); });
  connect(vertical_, &QScrollBar::valueChanged, this,
          [this](int p) { BarMoved(vertical_, accepted_vertical_, p); });
  connect(field_, &SchemeField::SelectionStep, this, &TEditorFrm::StepSelection);
}

Cell TEditorFrm::StoredCell(Cell window_cell) const {
  return {window_cell.row - shift_.row, window_cell.column - shift_.column};
}

bool TEditorFrm::InWindow(Cell cell) const {
  const SchemeWindow& window = field_->Window();
  return cell.row >= 1 && cell.row <= window.rows && cell.column >= 1 && cell.column <= window.cols;
}

void TEditorFrm::Refresh(Cell pending_cut_stored) {
  pending_cut_stored_ = pending_cut_stored;
  SchemeWindow window = field_->Window();
  window.selected = selected_;
  window.pending_cut = {};
  if (pending_cut_stored.row != 0 || pending_cut_stored.column != 0) {
    const Cell cut{pending_cut_stored.row + shift_.row, pending_cut_stored.column + shift_.column};
    if (InWindow(cut)) window.pending_cut = cut;
  }
  field_->SetWindow(window, shift_);
}

void TEditorFrm::Select(Cell window_cell) {
  if (!InWindow(window_cell)) return;
  selected_ = window_cell;
  Refresh(pending_cut_stored_);
  EnsureSelectionVisible();
  emit SelectionChanged();
}

void TEditorFrm::ClearSelection() {
  if (!HasSelection()) return;
  selected_ = {};
  Refresh(pending_cut_stored_);
  emit SelectionChanged();
}

void TEditorFrm::EnsureSelectionVisible() {
  if (!HasSelection()) return;
  const QRect rect = field_->CellRect(selected_);
  area_->ensureVisible(rect.center().x(), rect.center().y(), rect.width() / 2 + 2,
                       rect.height() / 2 + 2);
}

void TEditorFrm::StepSelection(int rows, int columns) {
  if (!HasSelection()) {
    Select({1, 1});
    return;
  }
  Cell target{selected_.row + rows, selected_.column + columns};
  if (!InWindow(target)) {
    // Past the edge the window moves one step; the selection keeps its
    // place on the screen and so reaches the next cell of the scheme.
    QScrollBar* bar = rows != 0 ? vertical_ : horizontal_;
    const int before = bar->value();
    bar->setValue(before + (rows + columns));
    if (bar->value() == before) return;  // within 100 ms of the last step
    target = {selected_.row + rows, selected_.column + columns};
    if (!InWindow(target)) return;
  }
  Select(target);
}

void TEditorFrm::BarMoved(QScrollBar* bar, int& accepted, int position) {
  if (delay_.isActive()) {
    // At most one step per 100 ms: the bar goes back where it was.
    const QSignalBlocker blocker(bar);
    bar->setValue(accepted);
    return;
  }
  delay_.start();
  accepted = position;
  SlideRange(bar, position);
  ApplyShift({kBarMiddle - accepted_vertical_, kBarMiddle - accepted_horizontal_});
  emit Scrolled();
}

// At either end of its range the bar's range moves on by one, so the
// window can travel over the whole scheme plane.
void TEditorFrm::SlideRange(QScrollBar* bar, int position) {
  const QSignalBlocker blocker(bar);
  if (position == bar->minimum() && bar->minimum() >= -(kSlideLimit - 1)) {
    bar->setRange(bar->minimum() - 1, bar->maximum() - 1);
  } else if (position == bar->maximum() && bar->maximum() < kSlideLimit) {
    bar->setRange(bar->minimum() + 1, bar->maximum() + 1);
  }
  bar->setValue(position);
}

// The selection travels with the content; leaving the window clears it.
void TEditorFrm::ApplyShift(Cell shift) {
  const Cell delta{shift.row - shift_.row, shift.column - shift_.column};
  shift_ = shift;
  bool selection_changed = false;
  if (HasSelection() && (delta.row != 0 || delta.column != 0)) {
    selected_ = {selected_.row + delta.row, selected_.column + delta.column};
    if (!InWindow(selected_)) {
      selected_ = {};
      selection_changed = true;
    }
  }
  Refresh(pending_cut_stored_);
  if (selection_changed) emit SelectionChanged();
}

void TEditorFrm::SetBar(QScrollBar* bar, int& accepted, int position) {
  const QSignalBlocker blocker(bar);
  bar->setRange(std::min(bar->minimum(), position - 1), std::max(bar->maximum(), position + 1));
  bar->setValue(position);
  accepted = position;
}

void TEditorFrm::ShowStoredCell(Cell stored) {
  Cell window{stored.row + shift_.row, stored.column + shift_.column};
  if (!InWindow(window)) {
    // Put the cell in the window's first row or column that shows it.
    Cell shift = shift_;
    const SchemeWindow& size = field_->Window();
    if (window.row < 1 || window.row > size.rows) shift.row = 1 - stored.row;
    if (window.column < 1 || window.column > size.cols) shift.column = 1 - stored.column;
    SetBar(vertical_, accepted_vertical_, kBarMiddle - shift.row);
    SetBar(horizontal_, accepted_horizontal_, kBarMiddle - shift.column);
    selected_ = {};
    ApplyShift(shift);
    window = {stored.row + shift_.row, stored.column + shift_.column};
  }
  Select(window);
}

void TEditorFrm::ResetView() {
  StartBar(horizontal_);
  StartBar(vertical_);
  accepted_horizontal_ = accepted_vertical_ = kBarMiddle;
  delay_.stop();
  shift_ = {};
  const bool had_selection = HasSelection();
  selected_ = {};
  Refresh();
  if (had_selection) emit SelectionChanged();
}

}  // namespace kortiv
