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

void SetIdentity() {
  QCoreApplication::setApplicationName("Kortiv");
  QCoreApplication::setApplicationVersion(KORTIV_VERSION);
}

void DescribeOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription("Kortiv: схемы систем автоматического управления и их расчёт");
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument("model", "Файл модели (*.krt), открываемый при запуске", "[model]");
}

// --help and --version are answered without a display.
bool AsksForTextOnly(int argc, char* argv[]) {
  const QStringList text_options = {"-h", "--help", "--help-all", "-?", "-v", "--version"};
  for (int i = 1; i < argc; ++i) {
    if (text_options.contains(QString::fromLocal8Bit(argv[i]))) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (AsksForTextOnly(argc, argv)) {
    QCoreApplication app(argc, argv);
    SetIdentity();
    QCommandLineParser parser;
    DescribeOptions(parser);
    parser.process(app);  // prints and exits
    return 0;
  }
  QApplication app(argc, argv);
  SetIdentity();
  QCommandLineParser parser;
  DescribeOptions(parser);
  parser.process(app);
  const QStringList models = parser.positionalArguments();

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
  if (!models.isEmpty()) {
    document.OpenFile(kortiv::ToUtf8(models.first()));
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
