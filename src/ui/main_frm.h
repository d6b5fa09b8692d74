#pragma once

#include <QAction>
#include <QDockWidget>
#include <QHash>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <memory>
#include <optional>

#include "document/document.h"
#include "document/document_observer.h"
#include "draw/drawn_picture.h"
#include "ui/editor_frm.h"
#include "ui/help/help_center.h"
#include "ui/library_frm.h"
#include "ui/status_panels.h"

class QPrinter;

namespace kortiv {

class PlotWindows;
class TfrmTable;

// The size of the field and of the library, chosen once from the screen.
struct ScreenLayout {
  int field_cols = 9;
  int field_rows = 7;
  int library_width = 0;
  QRect bounds;  // the main window's bounds at start

  static ScreenLayout For(QSize screen);
};

// The main window: menus, tool buttons and status bar over the document,
// with the editor in the middle and the library docked at its side. Every
// command goes to the document; the window only shows what the document
// enables and repaints when it changes.
class TMainFrm : public QMainWindow, public DocumentObserver {
  Q_OBJECT
 public:
  TMainFrm(Document& document, QSize screen, QWidget* parent = nullptr);
  ~TMainFrm() override;

  // Shows the window at its start bounds, maximized when the settings say
  // so, with the keyboard in the field.
  void ShowAtStart();

  // The action of a command by its menu name (mnuRun, mnuCut, ...).
  QAction* Action(const QString& name) const { return actions_.value(name); }
  TEditorFrm* Editor() const { return editor_; }
  TLibraryFrm* Library() const { return library_; }
  QDockWidget* LibraryDock() const { return library_dock_; }
  QMenu* EditorMenu() const { return editor_menu_; }
  const StatusPanels& Status() const { return *status_; }
  Document& document() const { return document_; }
  const ScreenLayout& Layout() const { return layout_; }
  PlotWindows& Plots() const { return *plots_; }

  // The view's selection as the document takes it.
  Selection CurrentSelection() const;

  void DocumentChanged(const DocumentChange& change) override;
  void FaultElementShown(int element) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Construction.
  void CreateActions();
  void CreateMenus();
  void CreateToolButtons();
  void CreateEditorMenu();
  void CreateChildWindows();
  void ConnectCommands();
  void ConnectEditor();
  void ConnectLibrary();
  void ConnectPlots();

  // Shows the document: enabling, captions, status, the field.
  void Sync();
  void FocusField();
  void Connect(const char* name, void (TMainFrm::*handler)());

  // Commands on the selected cell.
  void CutCommand();
  void CopyCommand();
  void PasteCommand();
  void DeleteCommand();
  void DeleteAllCommand();
  void RotateCommand(Rotation rotation);
  void ControlPointCommand();
  void ElementParametersCommand();
  void IntegrationParametersCommand();
  void SettingsCommand();
  void PrintModelCommand();

  // Runs.
  void RunCommand();
  void PhasePortraitCommand();
  void AfterRunStarted(RunOutcome outcome);
  void PollRun();

  // The field and the library.
  void PlaceFromLibrary(int code);
  void DropFromLibrary(int code, Cell window_cell);
  void MoveInField(Cell from, Cell to);

  // Windows and dialogs that other parts of the program provide; each is
  // filled in main_window_hooks.cpp.
  void OpenParameterDialog(int mode);
  void ShowResultsAfterRun();
  void OpenSettingsDialog(int page);
  void ShowPlotWindow();
  void ShowTableWindow();
  void ShowTableExtremes();
  void MarkTableOutOfDate();
  void SavePictureOfPlot();
  void SavePictureOfScheme();
  void SaveResultsData();
  void PrintModel();
  void PrintPlot();
  void PrintResults();
  void PrinterSetup();
  void ShowHelpContents();
  void ShowHelpSearch();
  void ShowAbout();
  // A note in status panel 0 for a command whose window is not there yet.
  void NoteUnavailable(const QString& command);
  // The results table, saving and printing of results (main_window_hooks.cpp).
  TfrmTable* TableWindow();
  QPrinter& Printer();
  DrawnPicture SchemeOnScreen() const;

  Document& document_;
  ScreenLayout layout_;
  QHash<QString, QAction*> actions_;
  QToolBar* tool_bar_ = nullptr;
  QMenu* editor_menu_ = nullptr;
  TEditorFrm* editor_ = nullptr;
  TLibraryFrm* library_ = nullptr;
  QDockWidget* library_dock_ = nullptr;
  std::unique_ptr<StatusPanels> status_;
  PlotWindows* plots_ = nullptr;
  // Esc stops a busy run; at other times the key is left to the widgets.
  QShortcut* stop_run_ = nullptr;
  QTimer run_timer_;
  QPointer<TfrmTable> table_;
  bool table_out_of_date_ = true;
  std::unique_ptr<QPrinter> printer_;
  HelpCenter help_;  // F1 in every window of the program from the start
};

}  // namespace kortiv
