// The parameter form of every kind with parameters and of the integration
// parameters: captions, the controls shown, defaults and stored values as the
// layout table gives them, and the placing of captions, picture and buttons.

#include <QButtonGroup>
#include <QRadioButton>
#include <set>

#include "model/catalogue.h"
#include "model/stored_integer.h"
#include "parameter_form_checks.h"
#include "parameter_form_fixture.h"
#include "support/number_format.h"

namespace kortiv::test {
namespace {

const std::vector<const char*> kControlNames = {
    "lblPar1", "lblPar2", "lblPar3", "lblPar4", "lblAux1", "txtPar1", "txtPar2", "txtPar3",
    "txtPar4", "txtAux1", "cseM",    "cseN",    "cseP",    "rgView",  "rgScale", "StringGridPar"};

const char* ControlName(ControlId id) {
  return kControlNames[5 + static_cast<int>(id)];
}
const char* LabelName(LabelId id) {
  return kControlNames[static_cast<int>(id) - 1];
}

QString Shown(float value) {
  return QString::fromStdString(FormatGeneral(value, 6, 0, SystemDecimalSeparator()));
}

int CheckedItem(QWidget* group) {
  const auto items = group->findChildren<QRadioButton*>();
  for (int i = 0; i < items.size(); ++i) {
    if (items[i]->isChecked()) return i;
  }
  return -1;
}

// The value a control shows: the text of a field, the number of a spin
// edit, the checked item of a radio group.
QString ShownValue(const ParameterFormFixture& f, ControlId id) {
  QWidget* control = f.Find(ControlName(id));
  if (auto* edit = qobject_cast<QLineEdit*>(control)) return edit->text();
  if (auto* spin = qobject_cast<QSpinBox*>(control)) return QString::number(spin->value());
  return QString::number(CheckedItem(control));
}

// What a control holding `value` shows.
QString Expected(const LayoutControl& ctl, float value) {
  return ctl.integer ? QString::number(ReadStoredInteger(value)) : Shown(value);
}

}  // namespace

class ParametersLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryKindShowsItsLayoutAndStoresItsDefaults_data();
  void EveryKindShowsItsLayoutAndStoresItsDefaults();
  void IntegrationParametersShowTheModelsTimes();
  void ButtonsFollowThePlacementRules_data();
  void ButtonsFollowThePlacementRules();
  void SweepGeneratorSpeaksHertzWhenTheUserDoes();
  void RepositionRefusesAnUnknownLabel();
  void KindsWithoutParametersOpenNoForm();
};

void ParametersLayoutTest::EveryKindShowsItsLayoutAndStoresItsDefaults_data() {
  QTest::addColumn<int>("code");
  for (const ParameterLayout& layout : ParameterLayouts()) {
    for (int code : layout.codes) {
      if (code != 0) QTest::newRow(QByteArray::number(code)) << code;
    }
  }
}

void ParametersLayoutTest::EveryKindShowsItsLayoutAndStoresItsDefaults() {
  QFETCH(int, code);
  ParameterFormFixture f;
  const int element = f.Place(code);
  TfrmParametersSet* form = f.Open(element);
  QVERIFY(form != nullptr);
  const ParameterLayout layout = *FindParameterLayout(code, false, f.messages);

  QCOMPARE(form->windowTitle(), QString("Задание параметров элемента"));
  QCOMPARE(form->property("helpTopic").toString(), QString("parameters"));
  auto* name = f.Find<QLabel>("lblNameMod");
  QCOMPARE(name->text(), QString::fromStdString(ElementName(code)));
  QVERIFY(name->font().underline());
  QVERIFY(form->width() >= layout.form_width && form->height() >= layout.form_height);

  // Exactly the controls of the layout are shown, each with its caption.
  std::set<QString> shown = {"lblNameMod", "imgParMod", "cmdOK", "cmdNo"};
  for (const LayoutControl& ctl : layout.controls) {
    shown.insert(ControlName(ctl.control));
    if (ctl.label != LabelId::kNone) {
      shown.insert(LabelName(ctl.label));
      QCOMPARE(f.Caption(LabelName(ctl.label)), QString::fromUtf8(ctl.caption));
    }
  }
  if (!layout.apply_caption.empty()) shown.insert("cmdApply");
  for (QWidget* control : form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (control->objectName().isEmpty()) continue;
    QCOMPARE(control->isVisibleTo(form), shown.count(control->objectName()) > 0);
  }
  QCOMPARE(f.Button("cmdOK")->text(), QString("Принять"));
  QCOMPARE(f.Button("cmdNo")->text(), QString("Отменить"));
  QVERIFY(static_cast<QPushButton*>(f.Button("cmdOK"))->isDefault());
  QCOMPARE(f.Button("cmdApply")->text(), QString::fromUtf8(layout.apply_caption));
  QVERIFY(!f.Button("cmdApply")->isEnabled());

  // txtAux1 edits value 4, or shows the derived quantity read-only.
  if (const LayoutControl* aux = layout.Find(ControlId::kTxtAux1)) {
    QCOMPARE(f.Text("txtAux1")->isEnabled(), aux->value >= 0);
    QVERIFY(!f.Text("txtAux1")->text().isEmpty());
  }
  // The defaults of a new element.
  for (const LayoutControl& ctl : layout.controls) {
    if (ctl.value < 0 || ctl.control == ControlId::kStringGridPar) continue;
    QCOMPARE(ShownValue(f, ctl.control), Expected(ctl, layout.defaults[ctl.value]));
  }
  CheckNothingClippedOrOverlapping(form);
  if (QTest::currentTestFailed()) return;
  CheckAlignment(form);
  if (QTest::currentTestFailed()) return;

  // Accepted as they are, the defaults become the element's block.
  const int top = f.scheme.ParamTop();
  f.Accept();
  QVERIFY(!form->isVisible());
  QCOMPARE(form->result(), int(QDialog::Accepted));
  QVERIFY(form->outcome().block_allocated);
  QVERIFY(f.messages.entries.empty());
  QCOMPARE(f.scheme.GetParamAddress(element), top);
  QVERIFY(!f.scheme.ParamsMissing(element));
  if (code == kGeneralLinearCode) {
    // m = 0, n = 3: b_0, a_0..a_3 and y(0)..y''(0).
    QCOMPARE(f.Block(element), (std::vector<float>{0.1f, 3.1f, 1, 1, 1, 1, 1, 0, 0, 0}));
  } else {
    for (const LayoutControl& ctl : layout.controls) {
      if (ctl.value < 0) continue;
      const double value = layout.defaults[ctl.value];
      const float stored = ctl.integer ? StoreInteger(static_cast<int>(value)) : float(value);
      QCOMPARE(f.scheme.ElementParam(element, ctl.value), stored);
    }
  }
  // Opened again it shows what was stored.
  const std::vector<float> block = f.Block(element);
  f.Open(element);
  for (const LayoutControl& ctl : layout.controls) {
    if (ctl.value < 0 || ctl.control == ControlId::kStringGridPar) continue;
    QCOMPARE(ShownValue(f, ctl.control), Expected(ctl, block[ctl.value]));
  }
}

void ParametersLayoutTest::IntegrationParametersShowTheModelsTimes() {
  ParameterFormFixture f;
  f.scheme.SetParam(0, 0.5f);
  f.scheme.SetParam(1, 0.25f);
  f.scheme.SetParam(2, 10.5f);
  TfrmParametersSet* form = f.Open(0);
  QCOMPARE(form->windowTitle(), QString("Задание параметров"));
  QCOMPARE(f.Find<QLabel>("lblNameMod")->text(), QString("Параметры интегрирования"));
  QCOMPARE(f.Caption("lblPar1"), QString("Начальный момент, T0, c :"));
  QCOMPARE(f.Caption("lblPar2"), QString("Шаг, h, с :"));
  QCOMPARE(f.Caption("lblPar3"), QString("Конечный момент, Tk, c :"));
  QCOMPARE(f.Caption("lblAux1"), QString("Число точек счёта, N :"));
  QCOMPARE(f.Text("txtPar1")->text(), Shown(0.5f));
  QCOMPARE(f.Text("txtPar2")->text(), Shown(0.25f));
  QCOMPARE(f.Text("txtPar3")->text(), QString("10") + QChar(SystemDecimalSeparator()) + "5");
  QCOMPARE(f.Text("txtAux1")->text(), QString("40"));
  QVERIFY(!f.Text("txtAux1")->isEnabled());
  QVERIFY(!f.Find("imgParMod")->isVisibleTo(form));
  QVERIFY(!f.Text("txtPar4")->isVisibleTo(form));
  QCOMPARE(f.Button("cmdApply")->text(), QString("Пересчитать N"));
  QVERIFY(form->width() >= 250 && form->height() >= 240);
  CheckNothingClippedOrOverlapping(form);
  CheckAlignment(form);
}

void ParametersLayoutTest::ButtonsFollowThePlacementRules_data() {
  QTest::addColumn<int>("code");
  for (int code : {0, 100, 107, 112, 204, 212, 308})
    QTest::newRow(QByteArray::number(code)) << code;
}

void ParametersLayoutTest::ButtonsFollowThePlacementRules() {
  QFETCH(int, code);
  ParameterFormFixture f;
  TfrmParametersSet* form = code == 0 ? f.Open(0) : f.OpenNew(code);
  const QWidget* ok = f.Find("cmdOK");
  const QWidget* no = f.Find("cmdNo");
  const QWidget* apply = f.Find("cmdApply");
  const double w = ok->width();
  const int form_width = form->width();
  QCOMPARE(no->width(), ok->width());
  for (const QWidget* button : {ok, no, apply}) {
    if (!button->isVisibleTo(form)) continue;
    QCOMPARE(button->y(), static_cast<int>(form->height() - 1.1 * button->height()));
  }
  if (!apply->isVisibleTo(form)) {
    QCOMPARE(ok->x(), static_cast<int>((form_width - 2.5 * w) / 2));
    QCOMPARE(no->x(), static_cast<int>(ok->x() + 1.5 * w));
    return;
  }
  const double near = code == 0 ? 0.05 : 0.5;  // the integration form sets them closer
  QCOMPARE(apply->x(), static_cast<int>((form_width - apply->width()) / 2.0 - 2));
  QCOMPARE(ok->x(), static_cast<int>(apply->x() - (1 + near) * w));
  QCOMPARE(no->x(), static_cast<int>(apply->x() + apply->width() + near * w));
}

void ParametersLayoutTest::SweepGeneratorSpeaksHertzWhenTheUserDoes() {
  ParameterFormFixture f;
  f.settings.FreqInHertz = true;
  TfrmParametersSet* form = f.OpenNew(kSweepGeneratorCode);
  QCOMPARE(f.Caption("lblPar1"), QString("Минимальная частота: 10^m Гц, m="));
  QCOMPARE(f.Caption("lblPar2"), QString("Максимальная частота: 10^n Гц, n="));
  const auto items = f.Find("rgScale")->findChildren<QRadioButton*>();
  QCOMPARE(items.size(), 3);
  QCOMPARE(items[0]->text(), QString("линейный A, fi(f)"));
  QCOMPARE(items[1]->text(), QString("полулогарифмический A, fi(lg f)"));
  QCOMPARE(items[2]->text(), QString("логарифмический L, fi(lg f)"));
  QCOMPARE(static_cast<QGroupBox*>(f.Find("rgView"))->title(),
           QString("Построить ЧХ (F=U+jV=A exp(j*fi) ):"));
  QVERIFY(f.Find("cseM")->toolTip().isEmpty());  // no hints here
  CheckNothingClippedOrOverlapping(form);
}

void ParametersLayoutTest::RepositionRefusesAnUnknownLabel() {
  ParameterFormFixture f;
  TfrmParametersSet* form = f.OpenNew(204);
  const QRect field = f.Find("txtPar1")->geometry();
  form->Reposition(0);
  form->Reposition(6);
  QCOMPARE(f.messages.Texts(),
           (std::vector<std::string>{"Ошибка вызова Reposition!", "Ошибка вызова Reposition!"}));
  QCOMPARE(f.Find("txtPar1")->geometry(), field);
}

void ParametersLayoutTest::KindsWithoutParametersOpenNoForm() {
  ParameterFormFixture f;
  for (int code : {1, 5, 9, 18, 500, 501}) {
    f.messages.Clear();
    QVERIFY(f.OpenNew(code) == nullptr);
    QCOMPARE(f.messages.Texts(),
             std::vector<std::string>{"Ошибка вызова окна для задания параметров!"});
  }
}

}  // namespace kortiv::test

QTEST_MAIN(kortiv::test::ParametersLayoutTest)
#include "parameters_layout_test.moc"
