// The main window: its commands, their enabling after each command, the
// status bar, the start bounds and closing.
#include <QTemporaryDir>
#include <QToolButton>

#include "desktop_fixture.h"
#include "document/settings_location.h"
#include "ui/command_table.h"
#include "ui/tool_icons.h"

using namespace kortiv;
using namespace kortiv::test;

namespace {

const std::string kExample1 = KORTIV_TEST_DATA "/example1.krt";

bool Enabled(Desktop& d, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (!d.Action(name)->isEnabled()) return false;
  }
  return true;
}

bool Disabled(Desktop& d, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (d.Action(name)->isEnabled()) return false;
  }
  return true;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void ToolButtonsShareTheMenuActions();
  void DrawnIconsExistForEveryToolButton();
  void TheGridAndTheBoundsFollowTheScreen();
  void StatusPanelsShareTheWidth();
  void EnablingFollowsTheCommands();
  void UndoAndRedoByKeyboardAndButtons();
  void NamingTheModelChangesTheCaption();
  void CommandsOpenTheirDialogs();
  void ACancelledSaveKeepsTheWindowOpen();
  void ClosingWritesTheSettings();
  void TheSettingsPlaceTheWindowAndTheLibrary();
};

void MainWindowTest::ToolButtonsShareTheMenuActions() {
  Desktop d;
  int buttons = 0;
  for (const CommandEntry& entry : Commands()) {
    if (!entry.name) continue;
    QAction* action = d.Action(entry.name);
    QVERIFY2(action, entry.name);
    QCOMPARE(action->text(), entry.name == QString("mnuViewPoint")
                                 ? QString("Контрольная точка")
                                 : QString::fromUtf8(entry.caption));
    if (!entry.button) continue;
    ++buttons;
    auto* button = d.window.findChild<QToolButton*>(entry.button);
    QVERIFY2(button, entry.button);
    QCOMPARE(button->defaultAction(), action);
    QCOMPARE(button->toolTip(), QString::fromUtf8(entry.hint));
    QVERIFY2(!button->icon().isNull(), entry.button);
  }
  QCOMPARE(buttons, 20);
  QCOMPARE(d.Action("mnuRedo")->shortcuts(),
           QList<QKeySequence>({QKeySequence("Ctrl+Shift+Z"), QKeySequence("Ctrl+Y")}));
  QCOMPARE(d.Action("mnuDelAll")->shortcut(), QKeySequence("Ctrl+Del"));
  QVERIFY(!d.Action("LanguageMnu")->isEnabled());
  QCOMPARE(d.window.property("helpTopic").toString(), QString("main"));
  QCOMPARE(d.Editor()->property("helpTopic").toString(), QString("editor"));
  QCOMPARE(d.window.Library()->property("helpTopic").toString(), QString("library"));
}

void MainWindowTest::DrawnIconsExistForEveryToolButton() {
  for (const char* name : ToolButtonCommands()) {
    if (!name) continue;
    const QIcon icon = DrawnCommandIcon(name);
    QVERIFY2(!icon.isNull(), name);
    // A glyph, not an empty square: some pixels are painted.
    const QImage image = icon.pixmap(24, 24).toImage();
    int painted = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) painted += qAlpha(image.pixel(x, y)) > 0;
    }
    QVERIFY2(painted > 20, name);
  }
  QVERIFY(DrawnCommandIcon("mnuRun").cacheKey() != DrawnCommandIcon("mnuCheck").cacheKey());
}

void MainWindowTest::TheGridAndTheBoundsFollowTheScreen() {
  const ScreenLayout small = ScreenLayout::For({649, 480});
  QCOMPARE(small.field_cols, 9);
  QCOMPARE(small.field_rows, 7);
  QCOMPARE(small.bounds, QRect(649 / 10 - 14, 480 / 6 - 14 - 10, 4 * 649 / 5 + 28, 320 + 28 + 20));
  const ScreenLayout middle = ScreenLayout::For({1000, 700});
  QCOMPARE(middle.field_cols, 11);
  QCOMPARE(middle.field_rows, 9);
  QCOMPARE(middle.bounds, QRect(100, 106, 800, 486));
  const ScreenLayout wide = ScreenLayout::For({1001, 768});
  QCOMPARE(wide.field_cols, 14);
  QCOMPARE(wide.field_rows, 13);
  QCOMPARE(wide.library_width, 250);
  Desktop d;
  QCOMPARE(d.Field()->Window().cols, 14);
  QCOMPARE(d.Field()->size(), QSize(32 + 14 * 75, 20 + 13 * 50));
  QCOMPARE(d.window.LibraryDock()->width(), 320);
}

void MainWindowTest::StatusPanelsShareTheWidth() {
  Desktop d;
  d.window.resize(1055, 700);
  QTRY_COMPARE(d.window.Status().Panel(0)->width(), 400);
  QCOMPARE(d.window.Status().Panel(1)->width(), 600);
  QCOMPARE(d.window.Status().Panel(2)->width(), 50);
}

void MainWindowTest::EnablingFollowsTheCommands() {
  Desktop d;
  QVERIFY(Disabled(d, {"mnuCut", "mnuCopy", "mnuDel", "mnuRotRight", "mnuViewPoint", "mnuSave",
                       "mnuDelAll", "mnuPaste", "mnuParamMod", "mnuCheck", "mnuRun", "mnuPortret",
                       "mnuPlotWin", "mnuTableWin", "mnuUndo", "mnuRedo"}));
  QVERIFY(Enabled(d, {"mnuNew", "mnuOpen", "mnuSaveAs", "mnuParamIntegr", "mnuExit"}));
  // A click on an empty cell enables the whole-scheme group only.
  d.Click({2, 2});
  QVERIFY(Enabled(d, {"mnuDelAll", "mnuPrnModel", "mnuSaveSchema"}));
  QVERIFY(Disabled(d, {"mnuCut", "mnuCheck"}));
  d.ChooseList(1);
  d.DragFromLibrary(9, {2, 2});
  QVERIFY(Enabled(d, {"mnuCut", "mnuCopy", "mnuDel", "mnuRot180", "mnuViewPoint", "mnuSave",
                      "mnuCheck", "mnuUndo"}));
  QVERIFY(Disabled(d, {"mnuParamMod", "mnuPaste", "mnuRun"}));
  QTest::keyClick(&d.window, Qt::Key_C, Qt::ControlModifier);
  QVERIFY(d.Action("mnuPaste")->isEnabled());
  QTest::keyClick(&d.window, Qt::Key_P, Qt::ControlModifier);
  QVERIFY(Enabled(d, {"mnuRun", "mnuPortret"}));
  // New keeps Delete all as it was; the scheme's groups go.
  QTest::keyClick(&d.window, Qt::Key_N, Qt::ControlModifier);
  QCOMPARE(d.messages.entries.back().text, std::string("Текущая модель не сохранена! Сохранить?"));
  QCOMPARE(d.doc.scheme().ElementCount(), 0);
  QCOMPARE(d.window.windowTitle(), QString("Kortiv: noname"));
  QVERIFY(Disabled(d, {"mnuCut", "mnuCheck", "mnuRun", "mnuPortret", "mnuUndo"}));
  QVERIFY(Enabled(d, {"mnuDelAll", "mnuPaste"}));
  // Open: the model's groups, Save off until a change.
  d.files.Answer(kExample1);
  QTest::keyClick(&d.window, Qt::Key_O, Qt::ControlModifier);
  QCOMPARE(d.files.requests.back().filters.size(), std::size_t{2});
  QCOMPARE(d.window.windowTitle(),
           QString("Kortiv: example1 : ") + QString::fromStdString(d.doc.model_name()));
  QVERIFY(Enabled(d, {"mnuCheck", "mnuRun", "mnuDelAll"}));
  QVERIFY(Disabled(d, {"mnuSave", "mnuPlotWin"}));
  // Delete all asks always; it leaves the whole-scheme group off.
  d.messages.answers = {true};
  QTest::keyClick(&d.window, Qt::Key_Delete, Qt::ControlModifier);
  QCOMPARE(d.messages.entries.back().text, std::string("Удалить схему полностью?"));
  QCOMPARE(d.doc.scheme().ElementCount(), 0);
  QVERIFY(Disabled(d, {"mnuDelAll", "mnuCheck", "mnuRun"}));
  QVERIFY(Enabled(d, {"mnuSave", "mnuUndo"}));
}

void MainWindowTest::UndoAndRedoByKeyboardAndButtons() {
  Desktop d;
  d.ChooseList(3);
  d.DragFromLibrary(200, {1, 1});
  d.Click({1, 1});
  QTest::keyClick(&d.window, Qt::Key_J, Qt::ControlModifier);
  QCOMPARE(d.doc.scheme().GetOrientation(1), 1);
  QTest::keyClick(&d.window, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(d.doc.scheme().GetOrientation(1), 0);
  QTest::keyClick(&d.window, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(d.doc.scheme().ElementCount(), 0);
  QVERIFY(!d.Action("mnuUndo")->isEnabled());
  QTest::keyClick(&d.window, Qt::Key_Y, Qt::ControlModifier);
  QCOMPARE(d.doc.scheme().ElementCount(), 1);
  QTest::mouseClick(d.window.findChild<QToolButton*>("bitRedo"), Qt::LeftButton);
  QCOMPARE(d.doc.scheme().GetOrientation(1), 1);
  QVERIFY(!d.Action("mnuRedo")->isEnabled());
  QTest::keyClick(&d.window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(d.doc.scheme().GetOrientation(1), 1);
}

void MainWindowTest::NamingTheModelChangesTheCaption() {
  Desktop d;
  QVERIFY(d.doc.OpenFile(kExample1));
  d.text_input.answers = {std::string("Регулятор уровня")};
  d.Action("mnuNameModel")->trigger();
  QCOMPARE(d.text_input.requests.back().title, std::string("Модель Kortiv"));
  QCOMPARE(d.window.windowTitle(), QString("Kortiv: example1 : Регулятор уровня"));
  QVERIFY(d.Action("mnuSave")->isEnabled());
}

void MainWindowTest::CommandsOpenTheirDialogs() {
  Desktop d;
  const std::pair<const char*, const char*> opens[] = {{"mnuParamIntegr", "frmParametersSet"},
                                                       {"OptCustMnu", "frmCustom"},
                                                       {"AboutHelpMnu", "TfrmAbout"}};
  for (const auto& [action, dialog] : opens) {
    QCOMPARE(d.ModalOpenedBy([&] { d.Action(action)->trigger(); }), QString(dialog));
  }
  QVERIFY(d.messages.entries.empty());
  QCOMPARE(d.doc.model_state(), ModelState::kNew);
}

void MainWindowTest::ACancelledSaveKeepsTheWindowOpen() {
  Desktop d;
  d.ChooseList(3);
  d.DragFromLibrary(200, {1, 1});
  d.messages.answers = {true};
  d.files.Cancel();
  QVERIFY(!d.window.close());
  QVERIFY(d.window.isVisible());
  QCOMPARE(d.doc.scheme().ElementCount(), 1);
  QCOMPARE(d.files.requests.back().title, std::string("Сохранить модель"));
  // Declining to save closes.
  d.messages.answers = {false};
  QVERIFY(d.window.close());
}

void MainWindowTest::ClosingWritesTheSettings() {
  QTemporaryDir dir;
  const std::string path = (dir.path() + "/kortiv/Kortiv.usr").toStdString();
  Desktop d;
  d.doc.LoadSettings({"", path});
  QVERIFY(d.window.close());
  QVERIFY(QFile::exists(QString::fromStdString(path)));
  QCOMPARE(QFileInfo(QString::fromStdString(path)).size(), 198);
}

void MainWindowTest::TheSettingsPlaceTheWindowAndTheLibrary() {
  QTemporaryDir dir;
  const QString path = dir.path() + "/Kortiv.usr";
  UserSettings settings;
  settings.MaximizeAtStart = true;
  settings.LibraryOnRight = true;
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  const std::string bytes = EncodeUserSettings(settings);
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  file.close();

  RecordingMessenger messages;
  RecordingFileChooser files;
  RecordingTextInput text_input;
  Document doc(messages, files, text_input);
  doc.LoadSettings({path.toStdString(), path.toStdString()});
  TMainFrm window(doc, QSize(1280, 1024));
  window.ShowAtStart();
  QVERIFY(window.windowState() & Qt::WindowMaximized);
  QCOMPARE(window.dockWidgetArea(window.LibraryDock()), Qt::RightDockWidgetArea);
  // Hiding the library gives its width to the editor.
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const int editor_width = window.Editor()->width();
  window.LibraryDock()->close();
  QTRY_VERIFY(window.Editor()->width() > editor_width);
  window.Action("mnuLibraryWin")->trigger();
  QTRY_COMPARE(window.Editor()->width(), editor_width);
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
