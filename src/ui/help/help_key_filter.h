#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace kortiv {

// The dynamic property every window and dialog of the program carries: the
// name of its section in the guide ("main", "editor", "parameters", ...).
inline constexpr char kHelpTopicProperty[] = "helpTopic";

// The section of the nearest window part that holds `widget` (the editor in
// the main window, a dialog, or the window a dialog was opened from). Empty
// when none on the way has one.
QString HelpTopicOf(const QWidget* widget);

// Watches the whole application for F1: in a window with a section of its
// own the guide opens at that section.
class HelpKeyFilter : public QObject {
  Q_OBJECT

 public:
  explicit HelpKeyFilter(std::function<void(const QString& topic)> open_topic,
                         QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void(const QString&)> open_topic_;
};

}  // namespace kortiv
