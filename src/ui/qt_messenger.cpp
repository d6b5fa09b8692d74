#include "ui/qt_messenger.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include "ui/qt_text.h"

namespace kortiv {

void QtMessenger::Show(std::string_view text, std::string_view caption) {
  const QString title = caption.empty() ? QApplication::applicationName() : ToQString(caption);
  QMessageBox box(QMessageBox::Information, title, ToQString(text), QMessageBox::Ok, parent_);
  box.setObjectName("MessageBox");
  box.exec();
}

bool QtMessenger::Ask(std::string_view text, std::string_view title) {
  QMessageBox box(QMessageBox::Question, ToQString(title), ToQString(text),
                  QMessageBox::Yes | QMessageBox::No, parent_);
  box.setObjectName("QuestionBox");
  box.button(QMessageBox::Yes)->setText("Да");
  box.button(QMessageBox::No)->setText("Нет");
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::No);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace kortiv
