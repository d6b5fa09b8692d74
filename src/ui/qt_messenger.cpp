#include "ui/qt_messenger.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QThread>

namespace kortiv {
namespace {

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool OnUiThread() {
  return QThread::currentThread() == qApp->thread();
}

// Runs `call` on the ui thread and waits for it.
template <typename Call>
void OnUiThreadBlocking(Call call) {
  if (OnUiThread()) {
    call();
    return;
  }
  QMetaObject::invokeMethod(qApp, call, Qt::BlockingQueuedConnection);
}

}  // namespace

void QtMessenger::Show(std::string_view text, std::string_view caption) {
  const QString message = FromUtf8(text);
  const QString title = FromUtf8(caption);
  const std::string copy(text);
  OnUiThreadBlocking([&] {
    if (before_show_) before_show_(copy);
    ShowOnUiThread(message, title);
  });
}

bool QtMessenger::Ask(std::string_view text, std::string_view title) {
  const QString question = FromUtf8(text);
  const QString box_title = FromUtf8(title);
  bool yes = false;
  OnUiThreadBlocking([&] { yes = AskOnUiThread(question, box_title); });
  return yes;
}

void QtMessenger::ShowOnUiThread(const QString& text, const QString& caption) {
  QMessageBox box(QMessageBox::Information,
                  caption.isEmpty() ? QApplication::applicationName() : caption, text,
                  QMessageBox::Ok, parent_);
  box.setObjectName("MessageBox");
  box.exec();
}

bool QtMessenger::AskOnUiThread(const QString& text, const QString& title) {
  QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No, parent_);
  box.setObjectName("QuestionBox");
  box.button(QMessageBox::Yes)->setText("Да");
  box.button(QMessageBox::No)->setText("Нет");
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace kortiv
