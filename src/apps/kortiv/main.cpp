// kortiv: the desktop program. An optional model file given on the command
// line is opened at start.
#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QTimer>
#include <cstdlib>

#include "document/document.h"
#include "document/recovery_file.h"
#include "document/settings_location.h"
#include "ui/main_frm.h"
#include "ui/qt_file_chooser.h"
#include "ui/qt_messenger.h"
#include "ui/qt_text.h"

namespace {
constexpr int kAutosaveMilliseconds = 60'000;
}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Kortiv");
  QApplication::setApplicationVersion(KORTIV_VERSION);

  QCommandLineParser parser;
  parser.setApplicationDescription("Kortiv: схемы систем автоматического управления и их расчёт");
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument("model", "Файл модели (*.krt), открываемый при запуске", "[model]");
  parser.process(app);

  kortiv::QtMessenger messenger;
  kortiv::QtFileChooser files;
  kortiv::QtTextInput text_input;
  kortiv::Document document(messenger, files, text_input);
  document.LoadSettings(kortiv::LocateSettingsHere());

  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  kortiv::TMainFrm window(document, screen);
  messenger.SetParent(&window);
  files.SetParent(&window);
  text_input.SetParent(&window);
  window.ShowAtStart();

  // Unsaved work of a program that ended without closing is offered back;
  // a changed model is written every minute until it is saved or the
  // program closes cleanly.
  kortiv::RecoveryFile recovery(
      kortiv::RecoveryFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
  if (!parser.positionalArguments().isEmpty()) {
    document.OpenFile(kortiv::ToUtf8(parser.positionalArguments().first()));
  } else {
    recovery.OfferBack(document, messenger);
  }
  kortiv::RecoveryCleaner cleaner(recovery, document);
  document.AddObserver(cleaner);
  QTimer autosave;
  QObject::connect(&autosave, &QTimer::timeout, [&] { recovery.Autosave(document); });
  autosave.start(kAutosaveMilliseconds);
  const int code = app.exec();
  document.RemoveObserver(cleaner);
  recovery.Remove();
  return code;
}
