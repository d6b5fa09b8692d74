#include "ui/main_frm.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QPrinter>
#include <QShortcut>
#include <QStatusBar>
#include <cmath>

#include "ui/command_table.h"
#include "ui/plot/plot_windows.h"
#include "ui/qt_text.h"
#include "ui/tool_icons.h"

namespace kortiv {
namespace {

constexpr int kRunPollMs = 100;

// The groups of commands that are switched together.
const std::vector<std::pair<const char*, bool CommandState::*>>& Groups() {
  static const std::vector<std::pair<const char*, bool CommandState::*>> groups = {
      {"mnuCut", &CommandState::selection},
      {"mnuCopy", &CommandState::selection},
      {"mnuDel", &CommandState::selection},
      {"mnuRotRight", &CommandState::selection},
      {"mnuRotLeft", &CommandState::selection},
      {"mnuRot180", &CommandState::selection},
      {"mnuViewPoint", &CommandState::control_point},
      {"mnuSave", &CommandState::save},
      {"mnuDelAll", &CommandState::whole_scheme},
      {"mnuPrnModel", &CommandState::whole_scheme},
      {"mnuSaveSchema", &CommandState::whole_scheme},
      {"mnuPaste", &CommandState::paste},
      {"mnuParamMod", &CommandState::element_params},
      {"mnuCheck", &CommandState::check},
      {"mnuRun", &CommandState::run},
      {"mnuPortret", &CommandState::run},
      {"mnuPlotWin", &CommandState::results},
      {"mnuTableWin", &CommandState::results},
      {"mnuSaveData", &CommandState::results},
      {"mnuPrnData", &CommandState::results},
      {"mnuUndo", &CommandState::undo},
      {"mnuRedo", &CommandState::redo},
      // Commands that replace or change the model wait for a run to end.
      {"mnuNew", &CommandState::scheme_edits},
      {"mnuOpen", &CommandState::scheme_edits},
      {"mnuClose", &CommandState::scheme_edits},
      {"mnuParamIntegr", &CommandState::scheme_edits},
      {"mnuNameModel", &CommandState::scheme_edits},
      {"OptCustMnu", &CommandState::scheme_edits},
  };
  return groups;
}

QList<QKeySequence> Shortcuts(const char* text) {
  QList<QKeySequence> keys;
  for (const QString& key : QString::fromLatin1(text).split(';', Qt::SkipEmptyParts)) {
    keys << QKeySequence(key);
  }
  return keys;
}

}  // namespace

ScreenLayout ScreenLayout::For(QSize screen) {
  ScreenLayout layout;
  const int w = screen.width();
  const int h = screen.height();
  if (w >= 1001) {
    layout.field_cols = 14;
    layout.field_rows = 13;
  } else if (w >= 650) {
    layout.field_cols = 11;
    layout.field_rows = 9;
  }
  layout.library_width = static_cast<int>(std::lround(w * 0.25));
  const int d = w < 700 ? 28 : 0;
  layout.bounds = QRect(w / 10 - d / 2, h / 6 - d / 2 - 10, 4 * w / 5 + d, 2 * h / 3 + d + 20);
  return layout;
}

TMainFrm::TMainFrm(Document& document, QSize screen, QWidget* parent)
    : QMainWindow(parent), document_(document), layout_(ScreenLayout::For(screen)) {
  setObjectName("TMainFrm");
  setProperty("helpTopic", "main");
  CreateActions();
  CreateMenus();
  CreateToolButtons();
  CreateChildWindows();
  CreateEditorMenu();
  status_ = std::make_unique<StatusPanels>(statusBar());
  ConnectCommands();
  ConnectEditor();
  ConnectLibrary();
  ConnectPlots();

  stop_run_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  stop_run_->setObjectName("StopRunShortcut");
  stop_run_->setContext(Qt::ApplicationShortcut);
  connect(stop_run_, &QShortcut::activated, this, [this] { document_.StopRun(); });
  run_timer_.setObjectName("tmrRun");
  run_timer_.setInterval(kRunPollMs);
  connect(&run_timer_, &QTimer::timeout, this, &TMainFrm::PollRun);

  document_.AddObserver(*this);
  Sync();
}

TMainFrm::~TMainFrm() {
  document_.RemoveObserver(*this);
}

void TMainFrm::CreateActions() {
  for (const CommandEntry& entry : Commands()) {
    if (!entry.name) continue;
    auto* action = new QAction(ToQString(entry.caption), this);
    action->setObjectName(entry.name);
    action->setShortcuts(Shortcuts(entry.shortcuts));
    if (entry.hint) action->setToolTip(ToQString(entry.hint));
    const QIcon icon = CommandIcon(entry.name);
    if (!icon.isNull()) action->setIcon(icon);
    actions_.insert(entry.name, action);
  }
  Action("LanguageMnu")->setEnabled(false);
}

void TMainFrm::CreateMenus() {
  std::vector<QMenu*> menus;
  for (const char* caption : MenuCaptions()) menus.push_back(menuBar()->addMenu(caption));
  for (const CommandEntry& entry : Commands()) {
    if (entry.name) {
      menus[entry.menu]->addAction(Action(entry.name));
    } else {
      menus[entry.menu]->addSeparator();
    }
  }
}

void TMainFrm::CreateToolButtons() {
  tool_bar_ = addToolBar("Кнопки");
  tool_bar_->setObjectName("ToolBar");
  tool_bar_->setMovable(false);
  tool_bar_->setFloatable(false);
  tool_bar_->toggleViewAction()->setEnabled(false);
  tool_bar_->setIconSize(QSize(24, 24));
  for (const char* name : ToolButtonCommands()) {
    if (!name) {
      tool_bar_->addSeparator();
      continue;
    }
    QAction* action = Action(name);
    tool_bar_->addAction(action);
    for (const CommandEntry& entry : Commands()) {
      if (entry.name && QLatin1String(entry.name) == QLatin1String(name)) {
        tool_bar_->widgetForAction(action)->setObjectName(entry.button);
      }
    }
  }
}

void TMainFrm::CreateChildWindows() {
  editor_ = new TEditorFrm(layout_.field_cols, layout_.field_rows, this);
  setCentralWidget(editor_);
  editor_->Field()->Show(&document_.scheme(), &document_.settings().Styles);

  library_ = new TLibraryFrm(layout_.library_width, nullptr);
  library_dock_ = new QDockWidget("Библиотеки", this);
  library_dock_->setObjectName("LibraryDock");
  library_dock_->setFeatures(QDockWidget::DockWidgetClosable);
  library_dock_->setWidget(library_);
  library_dock_->setFixedWidth(layout_.library_width);
  addDockWidget(
      document_.settings().LibraryOnRight ? Qt::RightDockWidgetArea : Qt::LeftDockWidgetArea,
      library_dock_);
}

void TMainFrm::CreateEditorMenu() {
  editor_menu_ = new QMenu(this);
  editor_menu_->setObjectName("popmnuEditor");
  for (const char* name : {"mnuCut", "mnuCopy", "mnuPaste", "mnuDel", "mnuRotRight", "mnuRotLeft",
                           "mnuRot180", "mnuViewPoint", "mnuParamMod"}) {
    editor_menu_->addAction(Action(name));
  }
}

void TMainFrm::Connect(const char* name, void (TMainFrm::*handler)()) {
  connect(Action(name), &QAction::triggered, this, handler);
}

void TMainFrm::ConnectCommands() {
  connect(Action("mnuNew"), &QAction::triggered, this, [this] { document_.New(); });
  connect(Action("mnuOpen"), &QAction::triggered, this, [this] { document_.Open(); });
  connect(Action("mnuClose"), &QAction::triggered, this, [this] { document_.Close(); });
  connect(Action("mnuSave"), &QAction::triggered, this, [this] { document_.Save(); });
  connect(Action("mnuSaveAs"), &QAction::triggered, this, [this] { document_.SaveAs(); });
  connect(Action("mnuNameModel"), &QAction::triggered, this, [this] { document_.NameModel(); });
  connect(Action("mnuExit"), &QAction::triggered, this, &QWidget::close);
  connect(Action("mnuUndo"), &QAction::triggered, this, [this] { document_.Undo(); });
  connect(Action("mnuRedo"), &QAction::triggered, this, [this] { document_.Redo(); });
  connect(Action("mnuCheck"), &QAction::triggered, this, [this] { document_.Check(); });
  Connect("mnuCut", &TMainFrm::CutCommand);
  Connect("mnuCopy", &TMainFrm::CopyCommand);
  Connect("mnuPaste", &TMainFrm::PasteCommand);
  Connect("mnuDel", &TMainFrm::DeleteCommand);
  Connect("mnuDelAll", &TMainFrm::DeleteAllCommand);
  connect(Action("mnuRotRight"), &QAction::triggered, this,
          [this] { RotateCommand(Rotation::kClockwise); });
  connect(Action("mnuRotLeft"), &QAction::triggered, this,
          [this] { RotateCommand(Rotation::kCounterClockwise); });
  connect(Action("mnuRot180"), &QAction::triggered, this,
          [this] { RotateCommand(Rotation::kHalfTurn); });
  Connect("mnuViewPoint", &TMainFrm::ControlPointCommand);
  Connect("mnuParamMod", &TMainFrm::ElementParametersCommand);
  Connect("mnuParamIntegr", &TMainFrm::IntegrationParametersCommand);
  Connect("mnuRun", &TMainFrm::RunCommand);
  Connect("mnuPortret", &TMainFrm::PhasePortraitCommand);
  Connect("OptCustMnu", &TMainFrm::SettingsCommand);
  Connect("mnuPrnModel", &TMainFrm::PrintModelCommand);
  Connect("mnuSavePicture", &TMainFrm::SavePictureOfPlot);
  Connect("mnuSaveSchema", &TMainFrm::SavePictureOfScheme);
  Connect("mnuSaveData", &TMainFrm::SaveResultsData);
  Connect("mnuPrnGraphik", &TMainFrm::PrintPlot);
  Connect("mnuPrnData", &TMainFrm::PrintResults);
  Connect("mnuPrinter", &TMainFrm::PrinterSetup);
  Connect("mnuPlotWin", &TMainFrm::ShowPlotWindow);
  Connect("mnuTableWin", &TMainFrm::ShowTableWindow);
  Connect("mnuListHelp", &TMainFrm::ShowHelpContents);
  Connect("mnuFindHelp", &TMainFrm::ShowHelpSearch);
  Connect("AboutHelpMnu", &TMainFrm::ShowAbout);
  connect(Action("mnuLibraryWin"), &QAction::triggered, this, [this] { library_dock_->show(); });
  connect(Action("mnuEditWin"), &QAction::triggered, this, [this] {
    editor_->show();
    FocusField();
  });
}

void TMainFrm::ConnectEditor() {
  SchemeField* field = editor_->Field();
  connect(field, &SchemeField::CellPressed, this, [this](Cell cell) {
    editor_->Select(cell);
    document_.NoteCellSelected();
  });
  connect(field, &SchemeField::ContextMenuRequested, this,
          [this](QPoint global) { editor_menu_->popup(global); });
  connect(field, &SchemeField::CellDoubleClicked, this,
          [this](Cell cell) { document_.DoubleClick(editor_->StoredCell(cell)); });
  connect(field, &SchemeField::LibraryElementDropped, this, &TMainFrm::DropFromLibrary);
  connect(field, &SchemeField::ElementMoved, this, &TMainFrm::MoveInField);
  connect(field, &SchemeField::EnterPressed, this, [this] { Action("mnuParamMod")->trigger(); });
  connect(field, &SchemeField::SpacePressed, this, [this] { Action("mnuViewPoint")->trigger(); });
  connect(editor_, &TEditorFrm::SelectionChanged, this, &TMainFrm::Sync);
  connect(editor_, &TEditorFrm::Scrolled, this, [this] { document_.CancelPendingCut(); });
}

void TMainFrm::ConnectLibrary() {
  connect(library_, &TLibraryFrm::ElementChosen, this, &TMainFrm::PlaceFromLibrary);
  connect(library_, &TLibraryFrm::ExampleChosen, this, [this](int k) { document_.LoadExample(k); });
}

Selection TMainFrm::CurrentSelection() const {
  if (!editor_->HasSelection()) return std::nullopt;
  return editor_->SelectedStored();
}

void TMainFrm::Sync() {
  const CommandState state = document_.Commands(CurrentSelection());
  for (const auto& [name, member] : Groups()) Action(name)->setEnabled(state.*member);
  Action("mnuViewPoint")->setText(ToQString(state.control_point_caption));
  library_->setEnabled(state.scheme_edits);
  stop_run_->setEnabled(state.busy);
  setWindowTitle(ToQString(document_.caption()));
  status_->SetTexts(document_.StatusTexts());
  const int cut = document_.PendingCutElement();
  editor_->Refresh(cut > 0 ? document_.scheme().GetStoredPosition(cut) : Cell{});
}

void TMainFrm::FocusField() {
  editor_->Field()->setFocus(Qt::OtherFocusReason);
}

void TMainFrm::DocumentChanged(const DocumentChange& change) {
  if (change.results && !document_.HasResults()) plots_->ResultsDiscarded();
  if (change.replaced) {
    editor_->ResetView();
    FocusField();
  }
  Sync();
}

void TMainFrm::FaultElementShown(int element) {
  if (element < 1 || element > document_.scheme().ElementCount()) return;
  editor_->ShowStoredCell(document_.scheme().GetStoredPosition(element));
  editor_->Field()->repaint();
}

void TMainFrm::ShowAtStart() {
  setGeometry(layout_.bounds);
  if (document_.settings().MaximizeAtStart) {
    showMaximized();
  } else {
    show();
  }
  status_->Layout(width());
  activateWindow();
  FocusField();
}

void TMainFrm::closeEvent(QCloseEvent* event) {
  if (document_.RequestClose()) {
    run_timer_.stop();
    event->accept();
  } else {
    event->ignore();
  }
}

void TMainFrm::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  status_->Layout(event->size().width());
}

}  // namespace kortiv
