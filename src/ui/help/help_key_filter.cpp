#include "ui/help/help_key_filter.h"

#include <QKeyEvent>
#include <QWidget>

namespace kortiv {

QString HelpTopicOf(const QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    const QString topic = widget->property(kHelpTopicProperty).toString();
    if (!topic.isEmpty()) return topic;
  }
  return {};
}

HelpKeyFilter::HelpKeyFilter(std::function<void(const QString& topic)> open_topic, QObject* parent)
    : QObject(parent), open_topic_(std::move(open_topic)) {}

bool HelpKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier) return false;
  const QString topic = HelpTopicOf(static_cast<QWidget*>(watched));
  if (topic.isEmpty()) return false;
  open_topic_(topic);
  return true;
}

}  // namespace kortiv
