// The message boxes, questions, file dialogs and input box the document
// asks for, answered with the keyboard.
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>

#include "ui/qt_file_chooser.h"
#include "ui/qt_messenger.h"

using namespace kortiv;

namespace {

// Once the modal dialog is up, runs `act` on it.
void WhenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] {
    QTRY_VERIFY(QApplication::activeModalWidget());
    act(QApplication::activeModalWidget());
  });
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase() { QApplication::setApplicationName("Kortiv"); }
  void EnterAnswersYesAndEscapeNo();
  void AMessageBoxCarriesTheApplicationTitle();
  void TheSaveDialogShowsTheRequestedTitleAndFilter();
  void ACancelledOpenDialogChoosesNothing();
  void TheInputBoxStartsWithTheCurrentText();
};

void DialogsTest::EnterAnswersYesAndEscapeNo() {
  QtMessenger messenger;
  QString title;
  WhenModal([&](QWidget* box) {
    title = box->windowTitle();
    QTest::keyClick(box, Qt::Key_Return);
  });
  QVERIFY(messenger.Ask("Удалить выделенный элемент?", kConfirmTitle));
  QCOMPARE(title, QString("Подтверждение"));
  WhenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
  QVERIFY(!messenger.Ask("Удалить выделенный элемент?", kConfirmTitle));
}

void DialogsTest::AMessageBoxCarriesTheApplicationTitle() {
  QtMessenger messenger;
  QString title;
  QString text;
  WhenModal([&](QWidget* box) {
    title = box->windowTitle();
    text = static_cast<QMessageBox*>(box)->text();
    QTest::keyClick(box, Qt::Key_Return);
  });
  messenger.Show("Схема корректна.");
  QCOMPARE(title, QString("Kortiv"));
  QCOMPARE(text, QString("Схема корректна."));
}

void DialogsTest::TheSaveDialogShowsTheRequestedTitleAndFilter() {
  QTemporaryDir dir;
  QtFileChooser chooser;
  FileRequest request;
  request.kind = FileRequest::Kind::kSave;
  request.title = "Сохранить модель как ...";
  request.filters = {{"Файлы модели Kortiv (*.krt)", "*.krt"}};
  request.default_extension = "krt";
  request.overwrite_prompt = true;
  request.initial_name = (dir.path() + "/model").toStdString();
  QString title;
  QStringList filters;
  WhenModal([&](QWidget* widget) {
    auto* dialog = qobject_cast<QFileDialog*>(widget);
    QVERIFY(dialog);
    title = dialog->windowTitle();
    filters = dialog->nameFilters();
    QMetaObject::invokeMethod(dialog, "accept");
  });
  const auto choice = chooser.Choose(request);
  QCOMPARE(title, QString("Сохранить модель как ..."));
  QCOMPARE(filters, QStringList({"Файлы модели Kortiv (*.krt)"}));
  QVERIFY(choice);
  QCOMPARE(QString::fromStdString(choice->path), dir.path() + "/model.krt");
  QCOMPARE(choice->filter_index, 0);
}

void DialogsTest::ACancelledOpenDialogChoosesNothing() {
  QtFileChooser chooser;
  FileRequest request;
  request.filters = {{"Kortiv model (*.krt)", "*.krt"}, {"All files (*.*)", "*.*"}};
  request.must_exist = true;
  QStringList filters;
  WhenModal([&](QWidget* widget) {
    filters = static_cast<QFileDialog*>(widget)->nameFilters();
    QTest::keyClick(widget, Qt::Key_Escape);
  });
  QVERIFY(!chooser.Choose(request));
  QCOMPARE(filters, QStringList({"Kortiv model (*.krt)", "All files (*.*)"}));
}

void DialogsTest::TheInputBoxStartsWithTheCurrentText() {
  QtTextInput input;
  QString initial;
  WhenModal([&](QWidget* box) {
    auto* edit = box->findChild<QLineEdit*>();
    QVERIFY(edit);
    initial = edit->text();
    edit->setText("Регулятор");
    QTest::keyClick(edit, Qt::Key_Return);
  });
  const auto answer = input.AskText({"Модель Kortiv", "Введите имя модели:", "no_name"});
  QCOMPARE(initial, QString("no_name"));
  QCOMPARE(answer, std::optional<std::string>("Регулятор"));
  WhenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
  QVERIFY(!input.AskText({"Модель Kortiv", "Введите имя модели:", "no_name"}));
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
