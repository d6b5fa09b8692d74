// kortiv: the desktop program. An optional model file given on the command
// line is opened at start.
#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <optional>

#include "document/document.h"
#include "document/settings_location.h"
#include "ui/main_frm.h"
#include "ui/qt_file_chooser.h"
#include "ui/qt_messenger.h"
#include "ui/qt_text.h"

namespace {

void SetIdentity() {
  QCoreApplication::setApplicationName("Kortiv");
  QCoreApplication::setApplicationVersion(KORTIV_VERSION);
}

// The model file named on the command line. --help and --version answer
// here and end the program, so they need no display.
std::optional<QString> ParseCommandLine(int& argc, char* argv[]) {
  QCoreApplication parsing(argc, argv);
  SetIdentity();
  QCommandLineParser parser;
  parser.setApplicationDescription("Kortiv: схемы систем автоматического управления и их расчёт");
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument("model", "Файл модели (*.krt), открываемый при запуске", "[model]");
  parser.process(parsing);
  if (parser.positionalArguments().isEmpty()) return std::nullopt;
  return parser.positionalArguments().first();
}

}  // namespace

int main(int argc, char* argv[]) {
  const std::optional<QString> model = ParseCommandLine(argc, argv);
  QApplication app(argc, argv);
  SetIdentity();

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
  if (model) document.OpenFile(kortiv::ToUtf8(*model));
  return app.exec();
}
