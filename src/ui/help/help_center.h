#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QWidget;

namespace kortiv {

class HelpKeyFilter;
class HelpWindow;

// Everything the "Помощь" menu opens: the guide's window, made when first
// asked for, F1 in every window of the program, and the about box.
class HelpCenter : public QObject {
  Q_OBJECT

 public:
  explicit HelpCenter(QObject* parent = nullptr);
  ~HelpCenter() override;

  void ShowContents();
  void ShowSearch();
  // The section of a window; "main" is the program's own window, whose F1
  // opens the contents.
  void ShowTopic(const QString& topic);
  void ShowAbout(QWidget* parent);

  // The guide's window, once it has been shown.
  HelpWindow* window() const { return window_.get(); }

 private:
  HelpWindow& Window();

  std::unique_ptr<HelpWindow> window_;
  std::unique_ptr<HelpKeyFilter> filter_;
};

}  // namespace kortiv
