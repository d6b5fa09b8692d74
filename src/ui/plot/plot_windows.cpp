#include "ui/plot/plot_windows.h"

#include "document/document.h"
#include "results/plot_setup.h"
#include "ui/plot/plot_window.h"
#include "ui/settings/settings_dialog.h"

namespace kortiv {

PlotWindows::PlotWindows(Document& document, QWidget* main_window)
    : QObject(main_window), document_(document), main_window_(main_window) {}

PlotWindows::~PlotWindows() = default;

TfrmGraph* PlotWindows::Current() const {
  return current_;
}

bool PlotWindows::PlotShown() const {
  return current_ && current_->PlotShown();
}

bool PlotWindows::ShowResultsAfterRun() {
  const bool fresh = document_.ResultsSerial() != shown_serial_ || !current_;
  if (fresh) {
    CreateWindow();
  } else if (current_->RefreshEnabled()) {
    current_->Refresh();
  }
  if (document_.settings().ShowPlotAfterRun) ShowPlotWindow();
  return fresh;
}

void PlotWindows::CreateWindow() {
  RunState* results = document_.results();
  if (!results) return;
  // A shown window stays beside the new one only when the settings say so,
  // until it is closed; a hidden one cannot be reached again.
  if (current_ && document_.settings().DoubleWindows && current_->PlotShown()) {
    current_->setAttribute(Qt::WA_DeleteOnClose);
    // Printing and saving follow the window of the last results only.
    disconnect(current_, &TfrmGraph::shownChanged, this, &PlotWindows::plotShown);
  } else if (current_) {
    current_->close();
    delete current_;
  }
  PreparePlot(*results, document_.settings(), document_.PhasePortraitMode(), plot_,
              document_.messenger());
  shown_serial_ = document_.ResultsSerial();
  current_ =
      new TfrmGraph(*results, plot_, document_.settings(), document_.messenger(), main_window_);
  connect(current_, &TfrmGraph::shownChanged, this, &PlotWindows::plotShown);
  connect(current_, &TfrmGraph::tablesRequested, this, &PlotWindows::tablesRequested);
  connect(current_, &TfrmGraph::tableOutOfDate, this, &PlotWindows::tableOutOfDate);
  connect(current_, &TfrmGraph::settingsRequested, this,
          [this] { OpenSettingsDialog(TfrmCustom::kScalePage); });
}

void PlotWindows::ShowPlotWindow() {
  if (!current_) return;
  current_->setWindowState(current_->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  current_->show();
  current_->raise();
}

void PlotWindows::OpenSettingsDialog(int page) {
  UserSettings edited = document_.settings();
  const bool results = document_.HasResults() || document_.PhasePortraitMode();
  PlotState* shown_plot = PlotShown() ? &current_->Plot() : nullptr;
  TfrmCustom dialog(edited, shown_plot, results, document_.messenger(),
                    current_ && current_->isActiveWindow() ? current_.data() : main_window_);
  dialog.ShowPage(static_cast<TfrmCustom::Page>(page));
  if (dialog.exec() != QDialog::Accepted) return;
  document_.SetSettings(edited);
  if (current_ && dialog.Outcome().refresh_plot && document_.HasResults()) {
    current_->EnableRefresh();
  }
}

void PlotWindows::ResultsDiscarded() {
  if (!current_) return;
  current_->Plot().manual_x = false;
  current_->Plot().manual_y = false;
}

}  // namespace kortiv
