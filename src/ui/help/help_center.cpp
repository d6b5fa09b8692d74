#include "ui/help/help_center.h"

#include <QApplication>

#include "ui/help/about_dialog.h"
#include "ui/help/help_key_filter.h"
#include "ui/help/help_window.h"

namespace kortiv {

HelpCenter::HelpCenter(QObject* parent)
    : QObject(parent),
      filter_(std::make_unique<HelpKeyFilter>([this](const QString& topic) { ShowTopic(topic); })) {
  qApp->installEventFilter(filter_.get());
}

HelpCenter::~HelpCenter() {
  qApp->removeEventFilter(filter_.get());
}

HelpWindow& HelpCenter::Window() {
  if (!window_) window_ = std::make_unique<HelpWindow>();
  return *window_;
}

void HelpCenter::ShowContents() {
  Window().ShowContents();
}

void HelpCenter::ShowSearch() {
  Window().ShowSearch();
}

void HelpCenter::ShowTopic(const QString& topic) {
  if (topic == "main") {
    ShowContents();
  } else {
    Window().ShowTopic(topic);
  }
}

void HelpCenter::ShowAbout(QWidget* parent) {
  AboutDialog about(parent);
  about.exec();
}

}  // namespace kortiv
