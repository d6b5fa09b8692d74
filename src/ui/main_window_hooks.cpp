// The windows and dialogs that other parts of the program provide. Each
// command reaches them through one member here; until a window exists its
// member leaves a note in the status bar.
#include "ui/main_frm.h"

namespace kortiv {

void TMainFrm::NoteUnavailable(const QString& command) {
  status_->SetText(0, QString("«%1»: окно ещё не подключено").arg(command));
}

// mode 0: the selected element's parameters; 1: the integration parameters.
void TMainFrm::OpenParameterDialog(int mode) {
  NoteUnavailable(mode == 0 ? "Параметры элемента" : "Параметры интегрирования");
}

// After a run or phase portrait with results, and when Run finds the
// results still valid: the plot and table windows as the settings ask.
// Until the plot window exists, the status bar reports the finished run:
// its phase and its duration.
void TMainFrm::ShowResultsAfterRun() {}

// page 0: the first page; the plot window asks for the scales page.
void TMainFrm::OpenSettingsDialog(int) {
  NoteUnavailable("Пользователя");
}

void TMainFrm::ShowPlotWindow() {
  NoteUnavailable("Графики");
}

void TMainFrm::ShowTableWindow() {
  NoteUnavailable("Таблица");
}

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
  help_.ShowContents();
}

void TMainFrm::ShowHelpSearch() {
  help_.ShowSearch();
}

void TMainFrm::ShowAbout() {
  help_.ShowAbout(this);
}

}  // namespace kortiv
