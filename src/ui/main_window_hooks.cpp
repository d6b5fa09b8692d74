// The windows and dialogs that other parts of the program provide. Each
// command reaches them through one member here; until a window exists its
// member leaves a note in the status bar.
#include "ui/main_frm.h"
#include "ui/plot/plot_window.h"
#include "ui/plot/plot_windows.h"

namespace kortiv {

void TMainFrm::NoteUnavailable(const QString& command) {
  status_->SetText(0, QString("«%1»: окно ещё не подключено").arg(command));
}

// mode 0: the selected element's parameters; 1: the integration parameters.
void TMainFrm::OpenParameterDialog(int mode) {
  NoteUnavailable(mode == 0 ? "Параметры элемента" : "Параметры интегрирования");
}

// The plot windows follow the results; printing and saving the plot are
// enabled while the window of the last results is shown.
void TMainFrm::ConnectPlots() {
  plots_ = new PlotWindows(document_, this);
  for (const char* name : {"mnuPrnGraphik", "mnuSavePicture"}) {
    QAction* action = Action(name);
    action->setEnabled(false);
    connect(plots_, &PlotWindows::plotShown, action, &QAction::setEnabled);
  }
  connect(plots_, &PlotWindows::tablesRequested, this, &TMainFrm::ShowTableExtremes);
  connect(plots_, &PlotWindows::tableOutOfDate, this, &TMainFrm::MarkTableOutOfDate);
}

// After a run or phase portrait with results, and when Run finds the
// results still valid: the plot and table windows as the settings ask.
void TMainFrm::ShowResultsAfterRun() {
  const bool fresh = plots_->ShowResultsAfterRun();
  if (fresh && document_.settings().ShowTableAfterRun) ShowTableWindow();
}

// page 0: the first page; the plot window asks for the scales page.
void TMainFrm::OpenSettingsDialog(int page) {
  plots_->OpenSettingsDialog(page);
}

void TMainFrm::ShowPlotWindow() {
  plots_->ShowPlotWindow();
}

void TMainFrm::ShowTableWindow() {
  NoteUnavailable("Таблица");
}

// The plot's "Таблицы": the table window on its extremes page.
void TMainFrm::ShowTableExtremes() {
  NoteUnavailable("Таблицы");
}

// The plot was drawn anew: the next table request builds the table again.
void TMainFrm::MarkTableOutOfDate() {}

void TMainFrm::SavePictureOfPlot() {
  NoteUnavailable("Сохранить графики");
}

void TMainFrm::SavePictureOfScheme() {
  NoteUnavailable("Сохранить рисунок схемы");
}

void TMainFrm::SaveResultsData() {
  NoteUnavailable("Сохранить результаты расчёта");
}

void TMainFrm::PrintModel() {
  NoteUnavailable("Печать схемы и параметров модели");
}

void TMainFrm::PrintPlot() {
  NoteUnavailable("Печать графиков");
}

void TMainFrm::PrintResults() {
  NoteUnavailable("Печать результатов расчёта");
}

void TMainFrm::PrinterSetup() {
  NoteUnavailable("Свойства принтера");
}

void TMainFrm::ShowHelpContents() {
  NoteUnavailable("Справка");
}

void TMainFrm::ShowAbout() {
  NoteUnavailable("О программе");
}

}  // namespace kortiv
