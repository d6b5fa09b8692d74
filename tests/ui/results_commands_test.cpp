// The main window's commands for results: the table, saving the results and
// the scheme picture, driven through the menu actions with the dialogs
// answered as a user would.
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "desktop_fixture.h"
#include "ui/results/filter_frm.h"
#include "ui/results/results_table_model.h"
#include "ui/results/table_frm.h"

namespace kortiv {
namespace {

// Answers the filter dialog the next command opens: points 0..10, every 4th.
void ChooseTenPointsEveryFourth() {
  QTimer::singleShot(0, [] {
    auto* dialog = qobject_cast<TfrmFilter*>(QApplication::activeModalWidget());
    QVERIFY(dialog);
    auto* last = dialog->findChild<QSpinBox*>("cseLast");
    last->setFocus();
    last->selectAll();
    QTest::keyClicks(last, "10");
    auto* step = dialog->findChild<QSpinBox*>("cseStep");
    step->setFocus();
    step->selectAll();
    QTest::keyClicks(step, "4");
    QTest::mouseClick(dialog->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
  });
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ResultsCommandsTest : public QObject {
  Q_OBJECT

 private:
  // The first built-in example, calculated.
  void Calculate(test::Desktop& desktop) {
    QVERIFY(desktop.doc.LoadExample(1));
    QCOMPARE(desktop.doc.Run(Document::RunMode::kWait), RunOutcome::kFinished);
    QVERIFY(desktop.doc.HasResults());
  }

  QTemporaryDir dir_;

 private slots:
  void TableCommandShowsTheResultsPage() {
    test::Desktop desktop;
    Calculate(desktop);
    desktop.Action("mnuTableWin")->trigger();
    auto* table = desktop.window.findChild<TfrmTable*>();
    QVERIFY(table);
    QVERIFY(table->isVisible());
    QCOMPARE(table->model()->rowCount(), desktop.doc.results()->last_point + 1);
    QCOMPARE(table->findChild<QWidget*>("pgTables")->findChild<QWidget*>("tabMain")->isVisible(),
             true);
  }

  void SaveDataWritesTheChosenPointsAsText() {
    test::Desktop desktop;
    Calculate(desktop);
    const QString path = dir_.filePath("results");
    desktop.files.Answer(path.toStdString(), 0);
    ChooseTenPointsEveryFourth();
    desktop.Action("mnuSaveData")->trigger();
    const QByteArray text = FileBytes(path + ".txt");
    const QList<QByteArray> lines = text.split('\n');
    QCOMPARE(lines.size(), 6);
    QVERIFY(lines[2].startsWith("   i\t   t    \t vp=1   "));
    QVERIFY(lines[3].startsWith("   0\t"));
    QVERIFY(lines[4].startsWith("   4\t"));
    QVERIFY(lines[5].startsWith("   8\t"));
    QCOMPARE(desktop.files.requests.size(), size_t{1});
  }

  void SaveDataIntoAWorkbookAsksToOpenIt() {
    test::Desktop desktop;
    Calculate(desktop);
    const QString path = dir_.filePath("book");
    desktop.files.Answer(path.toStdString(), 1);
    ChooseTenPointsEveryFourth();
    desktop.Action("mnuSaveData")->trigger();
    QCOMPARE(FileBytes(path + ".xlsx").left(2), QByteArray("PK"));
    QCOMPARE(QString::fromStdString(desktop.messages.entries.back().text),
             QString("Открыть книгу в приложении для таблиц?"));
    QCOMPARE(QString::fromStdString(desktop.messages.entries.back().caption),
             QString("Возник вопрос!"));
  }

  void SchemePictureIsSavedAsTheFieldShowsIt() {
    test::Desktop desktop;
    QVERIFY(desktop.doc.LoadExample(1));
    const QString path = dir_.filePath("scheme.png");
    desktop.files.Answer(path.toStdString(), 2);
    desktop.Action("mnuSaveSchema")->trigger();
    QCOMPARE(QString::fromStdString(desktop.files.requests.at(0).title),
             QString("Сохранить рисунок схемы в файл"));
    const QImage picture(path);
    const SchemeWindow& window = desktop.Field()->Window();
    QCOMPARE(picture.size(), SchemePictureSize({window.cols, window.rows, {}, {}}));
  }
};

}  // namespace kortiv

QTEST_MAIN(kortiv::ResultsCommandsTest)
#include "results_commands_test.moc"
