#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>

#include "support/messenger.h"

namespace kortiv {

// Messages and Yes/No questions as modal message boxes over the main window.
// In a question Enter answers Yes and Escape answers No. A message or
// question raised on another thread (a running calculation) is shown on the
// ui thread, which the calling thread waits for.
class QtMessenger : public Messenger {
 public:
  explicit QtMessenger(QWidget* parent = nullptr) : parent_(parent) {}

  void SetParent(QWidget* parent) { parent_ = parent; }

  // Called before each message is shown, with its text: the main window
  // selects the element a message is about.
  void SetBeforeShow(std::function<void(std::string_view)> before_show) {
    before_show_ = std::move(before_show);
  }

  void Show(std::string_view text, std::string_view caption = {}) override;
  bool Ask(std::string_view text, std::string_view title) override;

 private:
  void ShowOnUiThread(const QString& text, const QString& caption);
  bool AskOnUiThread(const QString& text, const QString& title);

  QPointer<QWidget> parent_;
  std::function<void(std::string_view)> before_show_;
};

}  // namespace kortiv
