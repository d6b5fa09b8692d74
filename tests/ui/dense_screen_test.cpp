// On a screen of double density the field is drawn at the screen's own
// resolution, not drawn small and blown up.
#include <QtTest>

#include "desktop_fixture.h"

using namespace kortiv;
using namespace kortiv::test;

class DenseScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void TheFieldIsDrawnAtTheScreensDensity();
};

void DenseScreenTest::TheFieldIsDrawnAtTheScreensDensity() {
  Desktop d;
  QVERIFY(d.doc.OpenFile(KORTIV_TEST_DATA "/example1.krt"));
  QCOMPARE(d.Field()->devicePixelRatioF(), 2.0);
  const QImage dense = d.Field()->grab().toImage();
  QCOMPARE(dense.size(), d.Field()->size() * 2);
  // The same window drawn at single density and doubled pixel by pixel.
  SchemeWindow window = d.Field()->Window();
  const QImage single = SchemeImage(d.doc.scheme(), d.doc.settings().Styles, window);
  const QImage doubled =
      single.scaled(single.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  QVERIFY(dense.convertToFormat(QImage::Format_RGB32) != doubled);
  // Lines are one device pixel thin: somewhere a dark pixel has light
  // neighbours on both sides, which a doubled picture never has.
  const auto dark = [&](int x, int y) { return qGray(dense.pixel(x, y)) < 100; };
  int thin = 0;
  for (int y = 0; y < dense.height(); ++y) {
    for (int x = 1; x + 1 < dense.width(); ++x) {
      thin += dark(x, y) && !dark(x - 1, y) && !dark(x + 1, y);
    }
  }
  QVERIFY(thin > 100);
}

int main(int argc, char* argv[]) {
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication app(argc, argv);
  DenseScreenTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "dense_screen_test.moc"
