#include "ui/help/guide_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kortiv {

QString GuideIndexPath() {
  const QString path =
      QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/kortiv/guide/index.html");
  return QFileInfo::exists(path) ? path : QString();
}

}  // namespace kortiv
