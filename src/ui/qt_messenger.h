#pragma once

#include <QPointer>
#include <QWidget>

#include "support/messenger.h"

namespace kortiv {

// Messages and Yes/No questions as modal message boxes over the main window.
// In a question Enter answers Yes and Escape answers No. Called on the ui
// thread only (the document queues what a run's worker says).
class QtMessenger : public Messenger {
 public:
  explicit QtMessenger(QWidget* parent = nullptr) : parent_(parent) {}

  void SetParent(QWidget* parent) { parent_ = parent; }

  void Show(std::string_view text, std::string_view caption = {}) override;
  bool Ask(std::string_view text, std::string_view title) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace kortiv
