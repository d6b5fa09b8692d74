// The windows and dialogs that other parts of the program provide. Each
// command reaches them through one member here; until a window exists its
// member leaves a note in the status bar.
#include <QDesktopServices>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QUrl>

#include "document/results_export.h"
#include "draw/printout.h"
#include "draw/scheme_picture.h"
#include "results/frequency_results.h"
#include "results/model_listing.h"
#include "results/results_text.h"
#include "support/number_format.h"
#include "ui/main_frm.h"
#include "ui/params/parameters_dialog.h"
#include "ui/plot/plot_window.h"
#include "ui/plot/plot_windows.h"
#include "ui/qt_text.h"
#include "ui/results/filter_frm.h"
#include "ui/results/picture_saving.h"
#include "ui/results/printout_preview.h"
#include "ui/results/table_frm.h"

namespace kortiv {

void TMainFrm::NoteUnavailable(const QString& command) {
  status_->SetText(0, QString("«%1»: окно ещё не подключено").arg(command));
}

// mode 0: the selected element's parameters; 1: the integration parameters.
// What the form stores on "Принять" is one undo step of the document.
void TMainFrm::OpenParameterDialog(int mode) {
  int element = 0;
  if (mode == 0) {
    const Selection selection = CurrentSelection();
    element = selection ? document_.ElementAt(*selection) : 0;
    if (element == 0) return;
  }
  const ParameterContext context = document_.ParameterContextFor();
  document_.ApplyEdit([&](Scheme&) { return RunParameterDialog(this, context, mode, element); });
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
// New results (of a run or a phase portrait) get a new table on the next
// request; Run showing the results it has keeps the table.
void TMainFrm::ShowResultsAfterRun() {
  if (!plots_->ShowResultsAfterRun()) return;
  table_out_of_date_ = true;
  if (document_.settings().ShowTableAfterRun) ShowTableWindow();
}

// page 0: the first page; the plot window asks for the scales page.
void TMainFrm::OpenSettingsDialog(int page) {
  plots_->OpenSettingsDialog(page);
}

void TMainFrm::ShowPlotWindow() {
  plots_->ShowPlotWindow();
}

// The table of the latest results: built anew on the first request after a
// run; an older one shown is closed unless the settings keep double windows.
TfrmTable* TMainFrm::TableWindow() {
  RunState* run = document_.results();
  if (!run || !document_.HasResults()) return nullptr;
  if (table_ && !table_out_of_date_) return table_;
  if (table_ && !document_.settings().DoubleWindows) table_->close();
  if (table_) table_->setAttribute(Qt::WA_DeleteOnClose);
  if (run->kind == RunKind::kFrequency) PrepareFrequencyResults(*run, document_.settings());
  const UserSettings& settings = document_.settings();
  table_ =
      new TfrmTable(ResultsSnapshot::Of(*run), ResultsKindOf(*run, document_.PhasePortraitMode()),
                    {settings.FreqInHertz, settings.PhaseInDegrees}, settings.Styles, this);
  table_out_of_date_ = false;
  return table_;
}

void TMainFrm::ShowTableWindow() {
  TfrmTable* table = TableWindow();
  if (!table) return;
  table->ShowResultsPage();
  table->show();
  table->raise();
  table->activateWindow();
}

DrawnPicture TMainFrm::SchemeOnScreen() const {
  const SchemeField* field = editor_->Field();
  // Without the marks of the selected cell and of a pending cut.
  const SchemeWindow window{field->Window().cols, field->Window().rows, {}, {}};
  const Cell shift = field->Shift();
  const Scheme* scheme = &document_.scheme();
  const PlotStyles* styles = &document_.settings().Styles;
  return {SchemePictureSize(window), [scheme, styles, window, shift](QPainter& painter) {
            DrawSchemePicture(painter, *scheme, *styles, window, shift);
          }};
}

// The plot's "Таблицы": the table window on its extremes page.
void TMainFrm::ShowTableExtremes() {
  TfrmTable* table = TableWindow();
  if (!table) return;
  table->ShowExtremesPage();
  table->show();
  table->raise();
  table->activateWindow();
}

// The plot was drawn anew: the next table request builds the table again.
void TMainFrm::MarkTableOutOfDate() {
  table_out_of_date_ = true;
}

namespace {

// The plot as its window shows it, at the size of its last redraw.
DrawnPicture PlotOnScreen(const TfrmGraph& plot) {
  const QSize size = plot.DrawnSize();
  return {size, [&plot, size](QPainter& painter) {
            plot.PaintPlotInto(painter, QRect(QPoint(0, 0), size));
          }};
}

}  // namespace

void TMainFrm::SavePictureOfPlot() {
  const TfrmGraph* plot = plots_->PlotShown() ? plots_->Current() : nullptr;
  if (!plot || plot->DrawnSize().isEmpty()) return;
  SavePictureAs(PlotOnScreen(*plot), kPlotPictureTitle, document_.files(), document_.messenger());
}

void TMainFrm::SavePictureOfScheme() {
  document_.CancelPendingCut();
  SavePictureAs(SchemeOnScreen(), kSchemePictureTitle, document_.files(), document_.messenger());
}

void TMainFrm::SaveResultsData() {
  const RunState* run = document_.results();
  if (!TableWindow() || !run) return;
  const std::optional<PointFilter> filter = AskPointFilter(this, run->last_point, kSaveStepCaption);
  if (!filter) return;
  const UserSettings& settings = document_.settings();
  const ResultsExportSource source{*run,
                                   ResultsKindOf(*run, document_.PhasePortraitMode()),
                                   {settings.FreqInHertz, settings.PhaseInDegrees},
                                   document_.caption(),
                                   document_.file_path(),
                                   document_.model_name(),
                                   CurrentDateTimeText(),
                                   SystemDecimalSeparator()};
  const ExportResult result =
      kortiv::SaveResultsData(source, *filter, document_.files(), document_.messenger());
  if (result.open_book) QDesktopServices::openUrl(QUrl::fromLocalFile(ToQString(result.path)));
}

QPrinter& TMainFrm::Printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

void TMainFrm::PrintModel() {
  const std::string header = PrintoutHeader(document_.caption(), CurrentDateTimeText());
  const DrawnPicture scheme = SchemeOnScreen();
  const auto listing = ModelListing(document_.scheme(), SystemDecimalSeparator());
  PreviewPrintout(
      this, Printer(), "Печать схемы и параметров модели",
      [&](QPagedPaintDevice& device) { kortiv::PrintModel(device, header, scheme, listing); });
}

void TMainFrm::PrintPlot() {
  const TfrmGraph* plot = plots_->PlotShown() ? plots_->Current() : nullptr;
  if (!plot || plot->DrawnSize().isEmpty()) return;
  const std::string header = PrintoutHeader(document_.caption(), CurrentDateTimeText());
  const DrawnPicture picture = PlotOnScreen(*plot);
  PreviewPrintout(this, Printer(), "Печать графиков",
                  [&](QPagedPaintDevice& device) { kortiv::PrintPlot(device, header, picture); });
}

void TMainFrm::PrintResults() {
  const RunState* run = document_.results();
  if (!TableWindow() || !run) return;
  const std::optional<PointFilter> filter =
      AskPointFilter(this, run->last_point, kPrintStepCaption);
  if (!filter) return;
  const UserSettings& settings = document_.settings();
  const PrintedResults results{*run,
                               ResultsKindOf(*run, document_.PhasePortraitMode()),
                               {settings.FreqInHertz, settings.PhaseInDegrees},
                               *filter,
                               SystemDecimalSeparator()};
  const std::string header = PrintoutHeader(document_.caption(), CurrentDateTimeText());
  PreviewPrintout(this, Printer(), "Печать результатов расчёта", [&](QPagedPaintDevice& device) {
    kortiv::PrintResults(device, header, results);
  });
}

void TMainFrm::PrinterSetup() {
  QPageSetupDialog dialog(&Printer(), this);
  dialog.setWindowTitle("Свойства принтера");
  dialog.exec();
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
