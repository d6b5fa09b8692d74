#include "ui/plot/plot_window.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>

#include "calc/results_copy.h"
#include "draw/palette.h"
#include "draw/plot_painter.h"
#include "results/plot_readout.h"
#include "results/plot_zoom.h"
#include "support/number_format.h"
#include "ui/plot/plot_picture.h"

namespace kortiv {
namespace {

constexpr int kResizeDelayMs = 100;

// The buttons in a row at the bottom left; the readout line above them; the
// picture above it, two pixels from the edges.
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 20;
constexpr int kButtonLeft = 8;
constexpr int kButtonPitch = 88;
constexpr int kBottomMargin = 4;
constexpr int kReadoutHeight = 16;
constexpr int kPictureMargin = 2;

QString ReadoutHtml(const std::vector<ReadoutPart>& parts) {
  QStringList pieces;
  for (const ReadoutPart& part : parts) {
    const QString text = QString::fromStdString(part.text).toHtmlEscaped();
    if (part.colour < 0) {
      pieces << text;
    } else {
      pieces << QString("<span style=\"color:%1\">%2</span>")
                    .arg(PaletteColour(part.colour).name(), text);
    }
  }
  return "<nobr>" + pieces.join("&nbsp;&nbsp;&nbsp;") + "</nobr>";
}

}  // namespace

TfrmGraph::TfrmGraph(const RunState& run, const PlotState& plot, const UserSettings& settings,
                     Messenger& messenger, QWidget* parent)
    : QWidget(parent, Qt::Window),
      plot_(plot),
      settings_(settings),
      messenger_(messenger),
      imgGraph_(new PlotPicture(run_, drawing_, this)),
      lblReadout_(new QLabel(this)),
      btnSetting_(new QPushButton("Настройка", this)),
      btnTable_(new QPushButton("Таблицы", this)),
      btnRefresh_(new QPushButton("Обновить", this)),
      tmrResize_(new QTimer(this)) {
  CopyResults(run, run_);
  drawing_.settings = settings;
  setObjectName("frmGraph");
  setWindowTitle("Графики");
  setProperty("helpTopic", "plot");
  lblReadout_->setObjectName("lblReadout");
  lblReadout_->setTextFormat(Qt::RichText);
  btnSetting_->setObjectName("btnSetting");
  btnTable_->setObjectName("btnTable");
  btnRefresh_->setObjectName("btnRefresh");
  btnRefresh_->setEnabled(false);
  for (QPushButton* button : {btnSetting_, btnTable_, btnRefresh_}) {
    button->setAutoDefault(false);
  }
  tmrResize_->setObjectName("tmrResize");
  tmrResize_->setInterval(kResizeDelayMs);
  tmrResize_->setSingleShot(true);

  connect(tmrResize_, &QTimer::timeout, this, &TfrmGraph::Redraw);
  connect(btnSetting_, &QPushButton::clicked, this, &TfrmGraph::settingsRequested);
  connect(btnTable_, &QPushButton::clicked, this, &TfrmGraph::tablesRequested);
  connect(btnRefresh_, &QPushButton::clicked, this, &TfrmGraph::Refresh);
  connect(imgGraph_, &PlotPicture::pointed, this, &TfrmGraph::ShowReadout);
  connect(imgGraph_, &PlotPicture::left, lblReadout_, &QLabel::clear);
  connect(imgGraph_, &PlotPicture::rectangleDragged, this, &TfrmGraph::Zoom);
  connect(imgGraph_, &PlotPicture::doubleClicked, this, &TfrmGraph::ReturnToAutomaticAxes);
  auto* copy = new QShortcut(QKeySequence::Copy, this);
  copy->setContext(Qt::WindowShortcut);
  connect(copy, &QShortcut::activated, this, &TfrmGraph::CopyPicture);

  PlaceOnScreen();
  LayOut();
  created_ = true;
}

TfrmGraph::~TfrmGraph() = default;

void TfrmGraph::PlaceOnScreen() {
  const QScreen* screen =
      parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->geometry();
  const int height = area.height() / 2;
  setGeometry(area.left(), area.top() + area.height() - height - 27, area.width() / 2, height);
}

void TfrmGraph::LayOut() {
  const int buttons_top = height() - kBottomMargin - kButtonHeight;
  int x = kButtonLeft;
  for (QPushButton* button : {btnSetting_, btnTable_, btnRefresh_}) {
    button->setGeometry(x, buttons_top, kButtonWidth, kButtonHeight);
    x += kButtonPitch;
  }
  const int readout_top = buttons_top - kReadoutHeight - 2;
  lblReadout_->setGeometry(kButtonLeft, readout_top, width() - 2 * kButtonLeft, kReadoutHeight);
  imgGraph_->setGeometry(kPictureMargin, kPictureMargin, width() - 2 * kPictureMargin,
                         readout_top - 3 - kPictureMargin);
}

void TfrmGraph::Redraw() {
  tmrResize_->stop();
  drawing_.drawn = true;
  drawing_.size = imgGraph_->size();
  drawing_.state = plot_;
  drawing_.settings = settings_;
  imgGraph_->update();
}

void TfrmGraph::EnableRefresh() {
  btnRefresh_->setEnabled(true);
}

bool TfrmGraph::RefreshEnabled() const {
  return btnRefresh_->isEnabled();
}

void TfrmGraph::Refresh() {
  Redraw();
  btnRefresh_->setEnabled(false);
  emit tableOutOfDate();
}

QImage TfrmGraph::Picture() const {
  return imgGraph_->Image();
}

void TfrmGraph::PaintPlotInto(QPainter& painter, const QRect& area) const {
  PaintPlot(painter, area, run_, drawing_.state, drawing_.settings);
}

void TfrmGraph::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (shown_) return;
  shown_ = true;
  emit shownChanged(true);
}

void TfrmGraph::closeEvent(QCloseEvent* event) {
  shown_ = false;
  plot_.manual_x = false;
  plot_.manual_y = false;
  emit shownChanged(false);
  QWidget::closeEvent(event);
}

void TfrmGraph::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
  tmrResize_->stop();
  if (created_) tmrResize_->start();
}

void TfrmGraph::ShowReadout(double x, double y) {
  const PlotFrame frame(drawing_.size.width(), drawing_.size.height(), drawing_.state);
  lblReadout_->setText(ReadoutHtml(
      ReadOut(run_, drawing_.state, frame, drawing_.settings, x, y, SystemDecimalSeparator())));
}

void TfrmGraph::Zoom(Pixel corner, Pixel other_corner) {
  const PlotFrame frame(drawing_.size.width(), drawing_.size.height(), drawing_.state);
  PlotState zoomed = drawing_.state;
  if (!ZoomTo(zoomed, frame, corner, other_corner, messenger_)) return;
  plot_.manual_x = zoomed.manual_x;
  plot_.manual_y = zoomed.manual_y;
  plot_.axes = zoomed.axes;
  Redraw();
}

void TfrmGraph::ReturnToAutomaticAxes() {
  kortiv::ReturnToAutomaticAxes(plot_, messenger_);
  Redraw();
}

void TfrmGraph::CopyPicture() {
  const QImage picture = Picture();
  if (!picture.isNull()) QGuiApplication::clipboard()->setImage(picture);
}

}  // namespace kortiv
