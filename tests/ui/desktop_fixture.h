#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>

#include "document/document.h"
#include "model/model_file.h"
#include "recording_file_chooser.h"
#include "recording_messenger.h"
#include "recording_text_input.h"
#include "ui/main_frm.h"
#include "ui/palette_picture.h"

namespace kortiv::test {

// The main window over a document whose messages, questions, file dialogs
// and input boxes are recorded, shown offscreen as on a 1280 x 1024 screen.
// Helpers drive it with mouse and keyboard events.
struct Desktop {
  Desktop() {
    window.ShowAtStart();
    window.resize(1400, 1000);
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
  }

  SchemeField* Field() const { return window.Editor()->Field(); }
  TEditorFrm* Editor() const { return window.Editor(); }
  QAction* Action(const char* name) const { return window.Action(name); }
  QPoint Centre(Cell cell) const { return Field()->CellRect(cell).center(); }

  void ChooseList(int item) { window.Library()->ChooseList(item); }

  // The scheme as its model file holds it.
  QByteArray ModelBytes() const {
    return QByteArray::fromStdString(EncodeModelImage(doc.scheme(), doc.model_name()));
  }

  // Runs `command`, which is expected to open a modal dialog, and closes
  // that dialog unchanged; returns its object name (empty when none opened).
  template <typename Command>
  QString ModalOpenedBy(Command command) {
    QString name;
    QTimer::singleShot(0, [&name] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        name = dialog->objectName();
        dialog->reject();
      }
    });
    command();
    // The window system gives the main window its keys back.
    window.activateWindow();
    QTest::qWaitFor([this] { return window.isActiveWindow(); });
    return name;
  }

  PalettePicture* Picture(int code) const {
    for (PalettePicture* picture : window.Library()->Pictures()) {
      if (picture->code() == code) return picture;
    }
    return nullptr;
  }

  // Mouse events go through the window, as the window system sends them:
  // a widget pressed keeps the mouse until the button is released.
  QWindow* Handle() const { return window.windowHandle(); }
  QPoint At(QWidget* widget, QPoint point) const { return widget->mapTo(&window, point); }
  QPoint AtCell(Cell cell) const { return At(Field(), Centre(cell)); }

  // Presses a palette picture, moves past the drag distance and releases
  // the button over a window cell of the field.
  void DragFromLibrary(int code, Cell cell) {
    PalettePicture* picture = Picture(code);
    QVERIFY(picture);
    const QPoint start = At(picture, picture->rect().center());
    QTest::mousePress(Handle(), Qt::LeftButton, {}, start);
    QTest::mouseMove(Handle(), start + QPoint(10, 4));
    QTest::mouseMove(Handle(), AtCell(cell));
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, AtCell(cell));
  }

  // The same within the field, from one cell to another.
  void DragInField(Cell from, Cell to) {
    QTest::mousePress(Handle(), Qt::LeftButton, {}, AtCell(from));
    QTest::mouseMove(Handle(), AtCell(from) + QPoint(8, 3));
    QTest::mouseMove(Handle(), AtCell(to));
    QTest::mouseRelease(Handle(), Qt::LeftButton, {}, AtCell(to));
  }

  void Click(Cell cell, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(Handle(), button, {}, AtCell(cell));
  }

  void DoubleClick(Cell cell) {
    QTest::mouseClick(Handle(), Qt::LeftButton, {}, AtCell(cell));
    QTest::mouseDClick(Handle(), Qt::LeftButton, {}, AtCell(cell));
  }

  // The element in a window cell and its code (0 when empty).
  int ElementIn(Cell cell) const { return Field()->ElementIn(cell); }
  int CodeIn(Cell cell) const {
    const int n = ElementIn(cell);
    return n > 0 ? doc.scheme().GetCode(n) : 0;
  }

  RecordingMessenger messages;
  RecordingFileChooser files;
  RecordingTextInput text_input;
  Document doc{messages, files, text_input};
  TMainFrm window{doc, QSize(1280, 1024)};
};

}  // namespace kortiv::test
