// The picture save dialog's items and name rules, answered by a recorder.
#include "ui/results/picture_saving.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "recording_file_chooser.h"
#include "recording_messenger.h"

namespace kortiv {
namespace {

// A red square on white, 40 x 30.
DrawnPicture Square() {
  return {QSize(40, 30), [](QPainter& painter) {
            painter.fillRect(QRect(0, 0, 40, 30), Qt::white);
            painter.fillRect(QRect(10, 5, 20, 20), Qt::red);
          }};
}

QByteArray Head(const QString& path, int bytes) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.read(bytes);
}

}  // namespace

class PictureSavingTest : public QObject {
  Q_OBJECT

 private:
  // Saves the square under `typed` with filter item `item`; the path the
  // folder holds afterwards is `expected`.
  void SaveAndExpect(const QString& typed, int item, const QString& expected) {
    test::RecordingFileChooser files;
    test::RecordingMessenger messenger;
    files.Answer(dir_.filePath(typed).toStdString(), item);
    QVERIFY(SavePictureAs(Square(), kPlotPictureTitle, files, messenger));
    QVERIFY(messenger.entries.empty());
    QVERIFY2(QFile::exists(dir_.filePath(expected)), qPrintable(expected));
  }

  QTemporaryDir dir_;

 private slots:
  void DialogOffersTheFourFormatsWithBitmapAsTheDefaultExtension() {
    test::RecordingFileChooser files;
    test::RecordingMessenger messenger;
    QVERIFY(!SavePictureAs(Square(), kSchemePictureTitle, files, messenger));
    QCOMPARE(files.requests.size(), size_t{1});
    const FileRequest& request = files.requests[0];
    QCOMPARE(QString::fromStdString(request.title), QString("Сохранить рисунок схемы в файл"));
    QCOMPARE(request.filters.size(), size_t{4});
    QCOMPARE(QString::fromStdString(request.filters[0].description),
             QString("JPEG Image File (*.jpg, *.jpeg)"));
    QCOMPARE(QString::fromStdString(request.filters[1].description), QString("Bitmaps (*.bmp)"));
    QCOMPARE(QString::fromStdString(request.default_extension), QString("bmp"));
    QVERIFY(request.overwrite_prompt);
    QVERIFY(messenger.entries.empty());
  }

  void JpegItemTurnsTheDefaultBitmapExtensionIntoJpg() {
    SaveAndExpect("plot.bmp", 0, "plot.jpg");
    QCOMPARE(Head(dir_.filePath("plot.jpg"), 2), QByteArray("\xFF\xD8"));
    QVERIFY(!QFile::exists(dir_.filePath("plot.bmp")));
  }

  void BitmapItemTurnsJpgIntoLowerCaseBmpKeepingTheRestOfTheName() {
    SaveAndExpect("Scheme.JPG", 1, "Scheme.bmp");
    QCOMPARE(Head(dir_.filePath("Scheme.bmp"), 2), QByteArray("BM"));
  }

  void JpegNameKeepsItsExtensionWithEitherItem() {
    SaveAndExpect("a.jpeg", 1, "a.jpeg");
    QCOMPARE(Head(dir_.filePath("a.jpeg"), 2), QByteArray("BM"));
  }

  void PngAndSvgItemsWriteTheirFormats() {
    SaveAndExpect("p.bmp", 2, "p.png");
    QCOMPARE(Head(dir_.filePath("p.png"), 4), QByteArray("\x89PNG"));
    QImage back(dir_.filePath("p.png"));
    QCOMPARE(back.size(), QSize(40, 30));
    QCOMPARE(back.pixelColor(20, 15), QColor(Qt::red));

    SaveAndExpect("v.svg", 3, "v.svg");
    QFile svg(dir_.filePath("v.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    QVERIFY(text.contains("<svg"));
    QVERIFY(text.contains("viewBox=\"0 0 40 30\""));
    QVERIFY(!text.contains("<image"));
  }

  void UnwritableNameIsReported() {
    test::RecordingFileChooser files;
    test::RecordingMessenger messenger;
    const QString path = dir_.filePath("missing/plot.png");
    files.Answer(path.toStdString(), 2);
    QVERIFY(!SavePictureAs(Square(), kPlotPictureTitle, files, messenger));
    QCOMPARE(messenger.Texts(),
             std::vector<std::string>{"Файл " + path.toStdString() + " не удаётся создать."});
  }
};

}  // namespace kortiv

QTEST_MAIN(kortiv::PictureSavingTest)
#include "picture_saving_test.moc"
