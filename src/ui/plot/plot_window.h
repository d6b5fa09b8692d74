#pragma once

#include <QWidget>

#include "series/run_state.h"
#include "results/plot_frame.h"
#include "ui/plot/plot_drawing.h"

class QLabel;
class QPushButton;
class QTimer;

namespace kortiv {

class Messenger;
class PlotPicture;

// The plot window "Графики": the picture of the results of one run, a line
// reading the curves under the mouse, and the buttons "Настройка",
// "Таблицы" and "Обновить". It keeps its own copy of the results and of
// their plot, so that it still shows them when later runs keep it open.
class TfrmGraph : public QWidget {
  Q_OBJECT

 public:
  // `run` holds prepared results and `plot` their plot, set up with its
  // automatic axes (and its messages shown) beforehand. The settings are
  // read at every redraw. Creation draws nothing but the background; the
  // picture is drawn 100 ms after the window has been shown or resized.
  TfrmGraph(const RunState& run, const PlotState& plot, const UserSettings& settings,
            Messenger& messenger, QWidget* parent = nullptr);
  ~TfrmGraph() override;

  // Set while the window is shown, from its showing to its closing.
  bool PlotShown() const { return shown_; }

  // The axes and the manual limits the settings dialog edits; they show at
  // the next redraw.
  PlotState& Plot() { return plot_; }
  const RunState& Results() const { return run_; }

  // A plot setting changed: "Обновить" is enabled.
  void EnableRefresh();
  bool RefreshEnabled() const;
  // "Обновить": redraws at once and asks for a new table.
  void Refresh();

  // The picture as drawn, at its size (for the clipboard and picture files).
  QImage Picture() const;
  // The size the picture was drawn at; empty before its first redraw.
  QSize DrawnSize() const { return drawing_.drawn ? drawing_.size : QSize(); }
  // The plot as drawn, painted into any area (printing).
  void PaintPlotInto(QPainter& painter, const QRect& area) const;

 signals:
  void shownChanged(bool shown);
  void settingsRequested();  // "Настройка": the settings on their page of scales
  void tablesRequested();    // "Таблицы": the table window on its extremes page
  void tableOutOfDate();     // the next table request builds the table anew

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PlaceOnScreen();
  void LayOut();
  void Redraw();
  void ShowReadout(double x, double y);
  void Zoom(Pixel corner, Pixel other_corner);
  void ReturnToAutomaticAxes();
  void CopyPicture();

  RunState run_;
  PlotState plot_;
  const UserSettings& settings_;
  Messenger& messenger_;
  PlotDrawing drawing_;
  bool shown_ = false;
  bool created_ = false;

  PlotPicture* imgGraph_;
  QLabel* lblReadout_;
  QPushButton* btnSetting_;
  QPushButton* btnTable_;
  QPushButton* btnRefresh_;
  QTimer* tmrResize_;
};

}  // namespace kortiv
