// The guide's window, F1 in the program's windows and the about box, driven
// with real key and mouse events.

#include "ui/help/help_window.h"

#include <QAbstractTextDocumentLayout>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>

#include "ui/help/about_dialog.h"
#include "ui/help/help_center.h"
#include "ui/help/help_key_filter.h"

namespace kortiv {
namespace {

// The top of the block that carries `anchor`, in document coordinates.
int AnchorTop(QTextBrowser& browser, const QString& anchor) {
  for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      if (it.fragment().charFormat().anchorNames().contains(anchor)) {
        return static_cast<int>(
            browser.document()->documentLayout()->blockBoundingRect(block).top());
      }
    }
  }
  return -1;
}

// Whether the section starts at the top of the visible text (or the text
// cannot scroll further).
bool ShowsSection(QTextBrowser& browser, const QString& anchor) {
  const int top = AnchorTop(browser, anchor);
  const QScrollBar* bar = browser.verticalScrollBar();
  return top >= 0 && (qAbs(bar->value() - top) < 40 || bar->value() == bar->maximum());
}

// Clicks the first link whose text is `text`, scrolling it into view first.
void ClickLink(QTextBrowser& browser, const QString& text) {
  QTextCursor cursor = browser.document()->find(text);
  QVERIFY2(!cursor.isNull(), qPrintable(text));
  QVERIFY(cursor.charFormat().isAnchor());
  browser.setTextCursor(cursor);
  browser.ensureCursorVisible();
  cursor.setPosition(cursor.selectionStart() + 2);
  const QPoint at = browser.cursorRect(cursor).center();
  QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, at);
}

// Types Russian text key by key (keyClicks takes Latin-1 letters only).
void TypeText(QWidget* widget, const QString& text) {
  for (const QChar letter : text) {
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(letter), Qt::NoModifier);
  }
}

}  // namespace

class HelpWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void contentsOpenAtTheTopWithTheGuidesSections();
  void anElementLinkOpensItsSectionAndBackReturns();
  void theContentsTreeOpensASection();
  void searchFindsTheAperiodicElementAndMovesOn();
  void searchForAnAbsentWordSaysSo();
  void f1InADialogOpensTheDialogsSection();
  void f1InAModalDialogGivesAGuideThatTakesInput();
  void f1InAWindowWithoutASectionIsLeftAlone();
  void f1InTheMainWindowOpensTheContents();
  void aboutBoxShowsVersionAndLicenceAndCloses();
};

void HelpWindowTest::contentsOpenAtTheTopWithTheGuidesSections() {
  HelpCenter help;
  help.ShowContents();
  HelpWindow* window = help.window();
  QVERIFY(window != nullptr && window->isVisible());
  QVERIFY(window->browser()->source().toString().endsWith("index.html#contents") ||
          window->browser()->source().fragment() == "contents");
  QCOMPARE(window->browser()->verticalScrollBar()->value(), 0);
  QVERIFY(window->browser()->toPlainText().contains("Оглавление"));
  // Nothing was seen before the contents.
  QVERIFY(!window->findChild<QToolButton*>("btnBack")->isEnabled());
  auto* tree = window->findChild<QTreeWidget*>("treeContents");
  QVERIFY(tree != nullptr);
  QStringList sections;
  for (int i = 0; i < tree->topLevelItemCount(); ++i) sections << tree->topLevelItem(i)->text(0);
  QVERIFY2(sections.contains("Элементы"), qPrintable(sections.join("; ")));
  QVERIFY(sections.contains("Сообщения программы и что с ними делать"));
}

void HelpWindowTest::anElementLinkOpensItsSectionAndBackReturns() {
  HelpCenter help;
  help.ShowTopic("first-scheme");
  QTextBrowser& browser = *help.window()->browser();
  auto* back = help.window()->findChild<QToolButton*>("btnBack");
  auto* forward = help.window()->findChild<QToolButton*>("btnForward");
  QTest::qWait(50);
  ClickLink(browser, "апериодическое (инерционное) звено 1-го порядка");
  QTRY_COMPARE(browser.source().fragment(), QString("element-204"));
  QVERIFY(ShowsSection(browser, "element-204"));
  QVERIFY(back->isEnabled());
  QTest::mouseClick(back, Qt::LeftButton);
  QCOMPARE(browser.source().fragment(), QString("first-scheme"));
  QVERIFY(forward->isEnabled());
  QTest::mouseClick(forward, Qt::LeftButton);
  QCOMPARE(browser.source().fragment(), QString("element-204"));
}

void HelpWindowTest::theContentsTreeOpensASection() {
  HelpCenter help;
  help.ShowContents();
  auto* tree = help.window()->findChild<QTreeWidget*>("treeContents");
  const auto found = tree->findItems("Настройки пользователя", Qt::MatchExactly);
  QCOMPARE(found.size(), 1);
  tree->scrollToItem(found.first());
  QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                    tree->visualItemRect(found.first()).center());
  QCOMPARE(help.window()->browser()->source().fragment(), QString("settings"));
  QVERIFY(ShowsSection(*help.window()->browser(), "settings"));
}

void HelpWindowTest::searchFindsTheAperiodicElementAndMovesOn() {
  HelpCenter help;
  help.ShowSearch();
  auto* search = help.window()->findChild<QLineEdit*>("edtSearch");
  QTRY_VERIFY(search->hasFocus());
  TypeText(search, "апериодическое");
  QTest::keyClick(search, Qt::Key_Return);
  QTextBrowser& browser = *help.window()->browser();
  QCOMPARE(browser.textCursor().selectedText().toLower(), QString("апериодическое"));
  const int first = browser.textCursor().position();
  QTest::keyClick(search, Qt::Key_Return);
  QCOMPARE(browser.textCursor().selectedText().toLower(), QString("апериодическое"));
  QVERIFY(browser.textCursor().position() > first);
}

void HelpWindowTest::searchForAnAbsentWordSaysSo() {
  HelpCenter help;
  help.ShowSearch();
  auto* search = help.window()->findChild<QLineEdit*>("edtSearch");
  TypeText(search, "квазистохастический");
  QTest::keyClick(search, Qt::Key_Return);
  QVERIFY(!help.window()->browser()->textCursor().hasSelection());
  QCOMPARE(help.window()->findChild<QLabel*>("lblSearchResult")->text(), QString("не найдено"));
}

void HelpWindowTest::f1InADialogOpensTheDialogsSection() {
  HelpCenter help;
  QDialog dialog;
  dialog.setProperty(kHelpTopicProperty, "parameters");
  auto* field = new QLineEdit(&dialog);
  dialog.show();
  field->setFocus();
  QTest::keyClick(field, Qt::Key_F1);
  QVERIFY(help.window() != nullptr && help.window()->isVisible());
  QCOMPARE(help.window()->browser()->source().fragment(), QString("parameters"));
  QVERIFY(ShowsSection(*help.window()->browser(), "parameters"));
  // The key went to the guide, not into the field.
  QVERIFY(field->text().isEmpty());
}

void HelpWindowTest::f1InAModalDialogGivesAGuideThatTakesInput() {
  HelpCenter help;
  QDialog dialog;
  dialog.setProperty(kHelpTopicProperty, "table");
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_F1);
  QCOMPARE(help.window()->browser()->source().fragment(), QString("table"));
  QCOMPARE(help.window()->windowModality(), Qt::ApplicationModal);
  auto* search = help.window()->findChild<QLineEdit*>("edtSearch");
  TypeText(search, "фильтр");
  QCOMPARE(search->text(), QString("фильтр"));
}

void HelpWindowTest::f1InAWindowWithoutASectionIsLeftAlone() {
  HelpCenter help;
  QDialog dialog;
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_F1);
  QVERIFY(help.window() == nullptr);
}

void HelpWindowTest::f1InTheMainWindowOpensTheContents() {
  HelpCenter help;
  QWidget main;
  main.setProperty(kHelpTopicProperty, "main");
  QDialog child(&main);  // a dialog without a section of its own takes its window's
  main.show();
  child.show();
  QTest::keyClick(&child, Qt::Key_F1);
  QVERIFY(help.window() != nullptr);
  QCOMPARE(help.window()->browser()->source().fragment(), QString("contents"));
  QCOMPARE(help.window()->browser()->verticalScrollBar()->value(), 0);
}

void HelpWindowTest::aboutBoxShowsVersionAndLicenceAndCloses() {
  AboutDialog about;
  QCOMPARE(about.objectName(), QString("TfrmAbout"));
  QCOMPARE(about.windowTitle(), QString("О программе"));
  auto* text = about.findChild<QTextBrowser*>("richtxtAbout");
  QVERIFY(text != nullptr);
  QVERIFY(text->toPlainText().contains(QString("Версия ") + KORTIV_VERSION));
  QVERIFY(text->toPlainText().contains("лицензии MIT"));
  QVERIFY(text->toPlainText().contains("систем автоматического управления"));
  auto* close = about.findChild<QPushButton*>("Button1");
  QCOMPARE(close->text(), QString("Закрыть"));
  about.show();
  QTest::mouseClick(close, Qt::LeftButton);
  QVERIFY(!about.isVisible());
  QCOMPARE(about.result(), int(QDialog::Accepted));
}

}  // namespace kortiv

QTEST_MAIN(kortiv::HelpWindowTest)
#include "help_window_test.moc"
