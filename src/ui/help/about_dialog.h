#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace kortiv {

// "О программе": the version, what Kortiv is for and its licence.
class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent = nullptr);

  // The text the box shows, for a version.
  static QString AboutHtml(const QString& version);
};

}  // namespace kortiv
