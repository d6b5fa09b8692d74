#ifdef KORTIV_CALC_WITH_DRAW

#include "offscreen_painting.h"

#include <cstdio>

namespace kortiv::calc_cli {
namespace {

// Qt's notes about the desktop session (runtime folders and the like) are no
// messages of the batch runner; only its critical errors are shown.
void ShowCriticalOnly(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "%s\n", qPrintable(text));
}

}  // namespace

OffscreenPainting::OffscreenPainting() {
  if (QGuiApplication::instance()) return;
  qInstallMessageHandler(ShowCriticalOnly);
  qputenv("QT_QPA_PLATFORM", "offscreen");
  application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

}  // namespace kortiv::calc_cli

#endif
