// The parameter form at 200 % scale: every kind keeps its controls inside the
// form and clear of each other, and the picture is drawn at the screen's
// density rather than enlarged.

#include "parameter_form_checks.h"
#include "parameter_form_fixture.h"

namespace kortiv::test {

class ParametersScaledLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryKindFitsAtDoubleScale_data();
  void EveryKindFitsAtDoubleScale();
};

void ParametersScaledLayoutTest::EveryKindFitsAtDoubleScale_data() {
  QTest::addColumn<int>("code");
  for (const ParameterLayout& layout : ParameterLayouts()) {
    for (int code : layout.codes) QTest::newRow(QByteArray::number(code)) << code;
  }
}

void ParametersScaledLayoutTest::EveryKindFitsAtDoubleScale() {
  QFETCH(int, code);
  ParameterFormFixture f;
  TfrmParametersSet* form = code == 0 ? f.Open(0) : f.OpenNew(code);
  QCOMPARE(form->devicePixelRatio(), 2.0);
  CheckNothingClippedOrOverlapping(form);
  if (QTest::currentTestFailed()) return;
  CheckAlignment(form);
  if (code == 0) return;
  const QPixmap picture = f.Find<QLabel>("imgParMod")->pixmap();
  QCOMPARE(picture.devicePixelRatio(), 2.0);
  QCOMPARE(picture.size(), QSize(250, 242));
}

}  // namespace kortiv::test

int main(int argc, char** argv) {
  qputenv("QT_SCALE_FACTOR", "2");
  QApplication application(argc, argv);
  kortiv::test::ParametersScaledLayoutTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "parameters_scaled_layout_test.moc"
