#pragma once

#include <QObject>
#include <QPointer>

#include "results/plot_state.h"

class QWidget;

namespace kortiv {

class Document;
class TfrmGraph;

// The plot windows over the document's results: a new window for every run
// and phase portrait that delivers results (the earlier one closed unless
// the settings keep duplicate windows and it is shown), the "Графики"
// command, and the user settings dialog, which edits the shown plot's
// manual limits.
class PlotWindows : public QObject {
  Q_OBJECT

 public:
  PlotWindows(Document& document, QWidget* main_window);
  ~PlotWindows() override;

  // After Run or Phase portrait: new results get a new window, shown when
  // the settings say so. Results Run still has are shown again, drawn anew
  // first when a plot setting changed. Returns whether the results are new.
  bool ShowResultsAfterRun();
  // "Графики": the window of the last results in its normal state.
  void ShowPlotWindow();
  // The user settings dialog on its first page (0) or on the page of scales
  // (the plot's "Настройка"); accepted settings go to the document.
  void OpenSettingsDialog(int page);
  // The results were discarded: the manual limits go with them.
  void ResultsDiscarded();

  // The window of the last results, if any.
  TfrmGraph* Current() const;
  bool PlotShown() const;

 signals:
  // The window of the last results was shown or closed (printing and saving
  // the plot follow it).
  void plotShown(bool shown);
  // "Таблицы": the table window on its extremes page.
  void tablesRequested();
  // "Обновить": the next table request builds the table anew.
  void tableOutOfDate();

 private:
  void CreateWindow();

  Document& document_;
  QWidget* main_window_;
  // Lives as long as the program: every scaling starts from the axes of the
  // one before.
  PlotState plot_;
  QPointer<TfrmGraph> current_;
  int shown_serial_ = -1;
};

}  // namespace kortiv
