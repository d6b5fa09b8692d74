// The library window: its palettes, placement by double click and the
// built-in examples.
#include <set>

#include "desktop_fixture.h"
#include "model/catalogue.h"

using namespace kortiv;
using namespace kortiv::test;

namespace {

QPushButton* ExampleButton(Desktop& d, int k) {
  return d.window.Library()->findChild<QPushButton*>(QString("butSchema%1").arg(k));
}

void DoubleClickPicture(Desktop& d, int code) {
  PalettePicture* picture = d.Picture(code);
  QVERIFY(picture);
  const QPoint at = d.At(picture, picture->rect().center());
  QTest::mouseClick(d.Handle(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(d.Handle(), Qt::LeftButton, {}, at);
}

}  // namespace

class LibraryTest : public QObject {
  Q_OBJECT
 private slots:
  void PalettesShowTheGroupsInRowsOfThree();
  void ExampleButtonsShowOnlyWithTheExamples();
  void DoubleClickPlacesInTheSelectedOrTheTopLeftCell();
  void DoubleClickOnAnOccupiedSelectedCellAsksFirst();
  void ExamplesLoadOnceAndAskAboutChangedWork();
};

void LibraryTest::PalettesShowTheGroupsInRowsOfThree() {
  Desktop d;
  auto* list = d.window.Library()->findChild<QComboBox*>("SelectLibCmb");
  QVERIFY(list);
  QCOMPARE(list->placeholderText(), QString("Выбор библиотеки"));
  QCOMPARE(list->count(), 6);
  d.ChooseList(5);
  const auto& functions = d.window.Library()->Pictures();
  QCOMPARE(functions.size(), std::size_t{8});
  std::set<int> columns;
  std::set<int> rows;
  for (PalettePicture* picture : functions) {
    columns.insert(picture->x() / 10);
    rows.insert(picture->y());
    QCOMPARE(picture->toolTip(), QString::fromStdString(ElementName(picture->code())));
    QVERIFY(picture->isVisible());
  }
  QCOMPARE(columns.size(), std::size_t{3});
  QCOMPARE(rows.size(), std::size_t{3});
  QCOMPARE(functions.front()->objectName(), QString("imgShapsLib"));
  QCOMPARE(functions.front()->code(), 500);
  d.ChooseList(2);
  QCOMPARE(d.window.Library()->Pictures().size(), std::size_t{14});
  // Choosing a palette changes nothing in the model.
  QCOMPARE(d.doc.model_state(), ModelState::kNew);
  QVERIFY(!d.doc.CanUndo());
  QVERIFY(!d.Action("mnuSave")->isEnabled());
}

void LibraryTest::ExampleButtonsShowOnlyWithTheExamples() {
  Desktop d;
  d.ChooseList(0);
  QVERIFY(d.window.Library()->Pictures().empty());
  for (int k = 1; k <= 6; ++k) QVERIFY(ExampleButton(d, k)->isVisible());
  QCOMPARE(ExampleButton(d, 4)->text(), QString("Схемы без ОС"));
  QCOMPARE(ExampleButton(d, 4)->toolTip(), QString("Схемы без обратных связей"));
  // Each button below the previous one, all of one width.
  QVERIFY(ExampleButton(d, 2)->y() > ExampleButton(d, 1)->geometry().bottom());
  QCOMPARE(ExampleButton(d, 6)->width(), ExampleButton(d, 1)->width());
  d.ChooseList(1);
  for (int k = 1; k <= 6; ++k) QVERIFY(!ExampleButton(d, k)->isVisible());
}

void LibraryTest::DoubleClickPlacesInTheSelectedOrTheTopLeftCell() {
  Desktop d;
  d.ChooseList(3);
  DoubleClickPicture(d, 200);
  QCOMPARE(d.CodeIn({1, 1}), 200);
  QCOMPARE(d.doc.scheme().ElementCount(), 1);
  QCOMPARE(d.Editor()->Selected(), Cell({1, 1}));
  QCOMPARE(QApplication::focusWidget(), d.Field());
  // The second double click went to the selected cell, which is occupied.
  d.Editor()->ClearSelection();
  d.messages.answers = {true};
  DoubleClickPicture(d, 201);
  // Nothing selected and the top left cell taken: nothing, no question.
  QCOMPARE(d.doc.scheme().ElementCount(), 1);
  QCOMPARE(d.CodeIn({1, 1}), 200);
  QVERIFY(d.messages.entries.empty());
  d.Click({3, 2});
  DoubleClickPicture(d, 202);
  QCOMPARE(d.CodeIn({3, 2}), 202);
  QCOMPARE(d.doc.scheme().ElementCount(), 2);
  QVERIFY(d.Action("mnuCheck")->isEnabled());
  QVERIFY(d.Action("mnuParamMod")->isEnabled());
}

void LibraryTest::DoubleClickOnAnOccupiedSelectedCellAsksFirst() {
  Desktop d;
  d.ChooseList(3);
  d.DragFromLibrary(200, {2, 2});
  d.messages.answers = {false};
  DoubleClickPicture(d, 201);
  QCOMPARE(d.messages.entries.size(), std::size_t{1});
  QCOMPARE(d.messages.entries[0].text, std::string("Вставить вместо существующего элемента?"));
  QCOMPARE(d.messages.entries[0].caption, std::string("Подтверждение"));
  QCOMPARE(d.CodeIn({2, 2}), 200);
  d.messages.answers = {true};
  DoubleClickPicture(d, 201);
  QCOMPARE(d.CodeIn({2, 2}), 201);
  QCOMPARE(d.doc.scheme().ElementCount(), 1);
}

void LibraryTest::ExamplesLoadOnceAndAskAboutChangedWork() {
  Desktop d;
  d.ChooseList(0);
  QTest::mouseClick(ExampleButton(d, 5), Qt::LeftButton);
  QCOMPARE(d.window.windowTitle(), QString("Встроенный в Kortiv пример. Схема с ОС"));
  QCOMPARE(d.doc.scheme().ElementCount(), 7);
  QCOMPARE(d.doc.example_shown(), 5);
  // Another example replaces an unchanged one without a question.
  QTest::mouseClick(ExampleButton(d, 4), Qt::LeftButton);
  QCOMPARE(d.doc.scheme().ElementCount(), 23);
  QVERIFY(d.messages.entries.empty());
  // A changed example is the student's work: asked about before it goes.
  d.Click({8, 8});
  d.ChooseList(3);
  DoubleClickPicture(d, 200);
  d.ChooseList(0);
  d.messages.answers = {false};
  QTest::mouseClick(ExampleButton(d, 5), Qt::LeftButton);
  QCOMPARE(d.messages.entries.size(), std::size_t{1});
  QCOMPARE(d.messages.entries[0].text, std::string("Текущая модель не сохранена! Сохранить?"));
  QCOMPARE(d.doc.scheme().ElementCount(), 7);
  QVERIFY(!d.doc.CanUndo());
}

QTEST_MAIN(LibraryTest)
#include "library_test.moc"
