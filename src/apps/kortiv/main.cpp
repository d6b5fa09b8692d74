// kortiv: the desktop program. An optional model file given on the command
// line is opened at start.
#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>

#include "document/document.h"
#include "document/settings_location.h"
#include "ui/main_frm.h"
#include "ui/qt_file_chooser.h"
#include "ui/qt_messenger.h"
#include "ui/qt_text.h"

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

  if (!parser.positionalArguments().isEmpty()) {
    document.OpenFile(kortiv::ToUtf8(parser.positionalArguments().first()));
  }
  return app.exec();
}
